// Helpers shared by the desktop's drawing files.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/api/gdi_functions.h"
#include "platform/desktop/state.h"

namespace desktop {

inline GdiState& Gdi() { return Current().gdi; }

// A COLORREF (0x00BBGGRR) as a pixel word (blue, green, red, fourth byte
// zero), and back.
inline std::uint32_t WordOf(COLORREF color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
inline COLORREF ColorOf(std::uint32_t word) { return WordOf(word & 0x00FFFFFF); }

// The pixels a DC draws on and where it may draw; false for a DC that draws
// nowhere (a bad handle, or a window that is gone). Without `clipped`, the
// DC's clip region and paint clip are left out (what it may read).
bool ResolveTarget(HDC hdc, DrawTarget* target, bool clipped = true);

// The colour of a brush handle, or of a system colour given as COLOR_* + 1;
// nothing for a null or hollow brush.
std::optional<COLORREF> BrushColor(HBRUSH brush);

// The .ico file bytes of an icon handle from LoadIcon; empty for any
// other handle.
std::string_view IconBytesOf(HICON icon);

// Window drawing: a top-level window's pixels (sized to its window
// rectangle), where a window's (0, 0) (or its client area's) lies on them,
// and which of them the window may draw on.
Bitmap& SurfaceOf(Window& top);
POINT OriginOnSurface(const Window& w, bool client);
Region VisibleOnSurface(const Window& w, bool client);

// Fills the client area with the class background, as WM_ERASEBKGND's
// default does; false when the class has none.
bool EraseBackground(HWND hwnd, HDC hdc);
// Sends WM_ERASEBKGND with a DC of the window's client area, now.
void EraseNow(HWND hwnd);
// Drops what a window holds: its window region.
void ReleaseWindowGraphics(Window& w);

}  // namespace desktop
