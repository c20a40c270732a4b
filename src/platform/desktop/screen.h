// What the screen shows, for tests and tools: the top-level windows composed
// in z-order with their window regions and layered colour keys, written as
// PNG files; and the count of live drawing objects.
#pragma once

#include <string>

#include "platform/desktop/gdi_state.h"

namespace desktop {

// The screen's pixels now: visible top-level windows, bottom first.
Bitmap ComposeScreen();
COLORREF ScreenPixel(int x, int y);

// PNG pictures of the composed screen, or of one window's own pixels (a
// child window's part of its top-level window). False when the file cannot
// be written or the window does not exist.
bool WriteScreenPng(const std::string& path);
bool WriteWindowPng(HWND hwnd, const std::string& path);

// True when a screen point lies inside a window's region, or the window has
// none (hit testing clips by it as drawing does). Any window, top-level or
// child.
bool WindowRegionContains(HWND hwnd, POINT screenPoint);

// True when a top-level window is layered with a colour key and its own
// pixel at the screen point (children's drawing included) is that key: the
// screen shows the window below there, and the mouse reaches it too.
bool LayeredKeyShowsThrough(HWND topLevel, POINT screenPoint);

// Blits (BitBlt, StretchBlt, TransparentBlt) made onto a window's own DCs
// since the window was made.
int BlitsOntoWindow(HWND hwnd);

// Live drawing objects the program made (stock objects excluded).
int LiveGdiObjects(GdiKind kind);

}  // namespace desktop
