// The host that shows the portable desktop on the machine's own display,
// when this build has one (the GTK host) and a display can be opened.
#pragma once

#include "platform/desktop/session.h"

namespace desktop {

// Opens the display and puts its host into `options`, with the real screen
// size and work area, and an elevated user (the desktop's start-up entries
// are the user's own to write). False (options untouched) when the build has no
// display host or no display can be opened.
bool UseDisplayHost(SessionOptions& options);

}  // namespace desktop
