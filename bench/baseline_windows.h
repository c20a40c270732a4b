// The page baseline the program is measured against, run as a process of
// its own (the bench started again with --plain URL); the first-frame
// baseline is a program of its own (minimal_gtk_window.cpp).
#pragma once

namespace bench {

// A 1008 × 601 GTK window holding a WebKitWebView (WebKit's default
// settings) that loads `url`. Prints on standard output, on the boot
// clock in ms: "paint MS" for the view's first draw after the load was
// committed, and "complete MS" when the load has finished.
// With `withoutAcceleration`, hardware acceleration is off, as the program has it.
int RunPlainWebView(const char* url, bool withoutAcceleration);

}  // namespace bench
