// Where the launcher's parts sit and what they show: the window's size, the
// browser control's place and the seven buttons with their pictures, in the
// order the buttons are created.
#pragma once

#include "platform/win32api.h"

namespace launcher_layout {

constexpr int WindowWidth = 1008;
constexpr int WindowHeight = 601;

// The rectangle the browser is created at in place of its placeholder, and
// where it is moved at once (client coordinates).
constexpr RECT BrowserCreationRect{0, 75, 683, 418};
constexpr RECT BrowserRect{271, 166, 953, 583};

constexpr DWORD OwnerDrawButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD PlainButtonStyle = WS_CHILD | WS_VISIBLE;

struct ButtonLayout {
  UINT id;
  RECT rect;
  DWORD style;
  // Bitmap resources of the four looks: normal, hover, pressed, disabled.
  WORD normal, hover, pressed, disabled;
};

// Close, minimise, official site, forum, customer service, top-up, logo.
extern const ButtonLayout Buttons[7];

}  // namespace launcher_layout
