// The scripted user written as text, for command lines and scenario files:
// steps separated by ';' or new lines.
//
//   wait 1500            let 1.5 s of virtual time pass
//   key enter            press and release a key (enter, esc, tab, space,
//   key alt+f4           backspace, left, right, up, down, f1-f12, a-z, 0-9;
//                        "alt+" holds Alt around it)
//   answer ok            answer the next message box (ok, cancel, yes, no)
//   answer no after 3000 ... 3 s after it opens
//   menu 32780           choose the command from the next menu that opens
//   menu dismiss after 500  ... or close it without a choice
#pragma once

#include <string>

#include "platform/desktop/headless_host.h"

namespace desktop {

// Adds the steps to `host`; false with a message when a step is not understood.
bool ParseScript(const std::string& text, HeadlessHost& host, std::string* error);

// The virtual key for a key name, or 0.
int VirtualKeyForName(const std::string& name);

}  // namespace desktop
