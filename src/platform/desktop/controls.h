// The system's control classes, shared between their files.
#pragma once

#include "platform/desktop/state.h"

namespace desktop {

// WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC: a control asks its parent for its colours.
inline bool IsControlColourMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// WM_SETFONT and WM_GETFONT, as every control answers them.
LRESULT ControlFont(Window& w, UINT message, WPARAM wParam);

// The Button class: push buttons, owner-drawn buttons.
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
constexpr int kButtonExtraBytes = sizeof(LONG);  // the button's state

// The Static class keeps an SS_ICON static's icon in its extra bytes.
constexpr int kStaticExtraBytes = sizeof(HICON);
HICON StaticIcon(const Window& w);

// The standard look of the controls (control_painting.cpp), drawn on a
// DC of the control's client area.
void PaintStatic(HWND hwnd, HDC dc);
void PaintPushButton(HWND hwnd, HDC dc, bool pushed, bool focused);

}  // namespace desktop
