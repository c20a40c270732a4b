// The baselines the program is measured against, each run as a process of
// its own (the bench started again with --minimal or --plain URL).
#pragma once

namespace bench {

// gtk_init, one undecorated 1008 × 601 top-level window, shown, and GTK's
// main loop: the least a GTK program does to show a frame.
int RunMinimalWindow();

// A 1008 × 601 GTK window holding a WebKitWebView (WebKit's default
// settings) that loads `url`. Prints on standard output, on the boot
// clock in ms: "paint MS" for the view's first draw after the load was
// committed, and "complete MS" when the load has finished.
int RunPlainWebView(const char* url);

}  // namespace bench
