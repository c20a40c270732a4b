// The process's live drawing objects, for tests that show a scenario ends
// with as many as it started with. Windows counts them per process; the
// portable desktop counts the program's (stock objects excluded). Wine
// counts none (it answers 0), so there such checks hold trivially.
#pragma once

#include "platform/win32api.h"

inline DWORD LiveGdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

// A 32-bit top-down DIB section of `width` x `height` whose pixels the test
// reads and writes directly (0x00RRGGBB words, row by row from the top).
inline HBITMAP CreateTestDib(int width, int height, DWORD** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  *bits = static_cast<DWORD*>(pixels);
  return bitmap;
}
