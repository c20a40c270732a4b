// The system's control classes, shared between their files.
#pragma once

#include "platform/desktop/state.h"

namespace desktop {

// WM_SETFONT and WM_GETFONT, as every control answers them.
LRESULT ControlFont(Window& w, UINT message, WPARAM wParam);

// The Button class: push buttons, owner-drawn buttons.
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
constexpr int kButtonExtraBytes = sizeof(LONG);  // the button's state

}  // namespace desktop
