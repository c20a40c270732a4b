// What the desktop knows about the mouse: where the cursor is, which window
// holds the capture, and the hover and leave notifications a window asked for.
#pragma once

#include "platform/api/user_functions.h"

namespace desktop {

constexpr DWORD kMouseHoverTime = 400;  // SPI_GETMOUSEHOVERTIME, milliseconds
constexpr int kMouseHoverSize = 4;      // SM_CXMOUSEHOVER: how far the mouse may wander at rest

struct MouseTracking {
  HWND hwnd = nullptr;
  bool hover = false;  // TME_HOVER requested and not yet answered
  bool leave = false;  // TME_LEAVE requested and not yet answered
  DWORD hoverTime = kMouseHoverTime;
  POINT restPoint{0, 0};  // screen point where the mouse came to rest
  DWORD restSince = 0;    // clock value when it came to rest there
};

struct MouseState {
  POINT cursor{0, 0};
  HWND capture = nullptr;
  MouseTracking tracking;
};

}  // namespace desktop
