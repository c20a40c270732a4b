// Window regions and layered windows: what a window may draw on and what
// of it the screen shows.
#include "platform/desktop/gdi_internal.h"

using desktop::Current;
using desktop::Gdi;
using desktop::SetError;
using desktop::Window;

int WINAPI SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
  Window* w = Current().Require(hwnd);
  if (!w) return 0;
  if (region && !Gdi().FindRegion(region)) {
    SetError(ERROR_INVALID_HANDLE);
    return 0;
  }
  // The system owns the region from now on and deletes the one it replaces.
  HRGN old = w->gfx.region;
  w->gfx.region = region;
  if (old && old != region) Gdi().Remove(old);
  if (redraw) desktop::InvalidateTree(hwnd);
  return 1;
}

int WINAPI GetWindowRgn(HWND hwnd, HRGN region) {
  Window* w = Current().Require(hwnd);
  desktop::Region* out = Gdi().FindRegion(region);
  if (!w || !out || !w->gfx.region) return ERROR;
  *out = *Gdi().FindRegion(w->gfx.region);  // a copy: the system keeps its own
  return out->Complexity();
}

BOOL WINAPI SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  if (!(w->exStyle & WS_EX_LAYERED) || (flags & ~static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA))) {
    SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  w->gfx.layered = true;
  w->gfx.colorKey = key & 0x00FFFFFF;
  w->gfx.alpha = alpha;
  w->gfx.layeredFlags = flags;
  return TRUE;
}

BOOL WINAPI GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
  Window* w = Current().Require(hwnd);
  if (!w || !(w->exStyle & WS_EX_LAYERED) || !w->gfx.layered) {
    SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (key) *key = w->gfx.colorKey;
  if (alpha) *alpha = w->gfx.alpha;
  if (flags) *flags = w->gfx.layeredFlags;
  return TRUE;
}
