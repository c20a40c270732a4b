// A window's pixels read back through its DC (the client area, or the whole
// window with its frame), for tests of how windows and controls look.
#pragma once

#include <memory>

#include "tests/support/dib_dc.h"

// A COLORREF as the DIB's words hold it (0x00RRGGBB).
inline DWORD DibWordOf(COLORREF color) {
  return (static_cast<DWORD>(GetRValue(color)) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

inline std::unique_ptr<DibDc> CaptureWindow(HWND hwnd, bool wholeWindow) {
  RECT box{};
  if (wholeWindow) {
    GetWindowRect(hwnd, &box);
  } else {
    GetClientRect(hwnd, &box);
  }
  int width = box.right - box.left, height = box.bottom - box.top;
  auto pixels = std::make_unique<DibDc>(width, height);
  HDC dc = wholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd);
  BitBlt(pixels->dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  ReleaseDC(hwnd, dc);
  return pixels;
}

// A child's rectangle in its parent's client coordinates.
inline RECT ChildRectInParent(HWND child) {
  RECT box{};
  GetWindowRect(child, &box);
  POINT topLeft{box.left, box.top}, bottomRight{box.right, box.bottom};
  ScreenToClient(GetParent(child), &topLeft);
  ScreenToClient(GetParent(child), &bottomRight);
  return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}
