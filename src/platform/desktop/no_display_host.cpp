// A build without a display host: every run is headless.
#include "platform/desktop/display_host.h"

namespace desktop {

bool UseDisplayHost(SessionOptions&) { return false; }

}  // namespace desktop
