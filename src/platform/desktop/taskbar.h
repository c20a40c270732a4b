// The taskbar: which windows have a button there, and the user's clicks on
// those buttons (host and test operations).
#pragma once

#include <vector>

#include "platform/api/win_types.h"

namespace desktop {

// Visible top-level windows that are application windows, or unowned and
// not tool windows; topmost first.
std::vector<HWND> TaskbarButtons();
bool HasTaskbarButton(HWND hwnd);

// A click on the window's button: a minimised window is restored, the
// active one minimised, any other activated. The commands are posted, so
// the program's loop handles them. False when the window has no button.
bool ClickTaskbarButton(HWND hwnd);

// A right click on the window's button opens its window menu at `at`
// (screen coordinates). False when the window has no button.
bool RightClickTaskbarButton(HWND hwnd, POINT at);

}  // namespace desktop
