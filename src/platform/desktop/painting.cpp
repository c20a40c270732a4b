// Painting: update regions, BeginPaint and EndPaint, erasing, forced
// updates, and the system colours.
#include "platform/desktop/gdi_internal.h"

using desktop::Current;
using desktop::Region;
using desktop::Window;

namespace {

RECT ClientBox(const Window& w) {
  return RECT{0, 0, w.client.right - w.client.left, w.client.bottom - w.client.top};
}

void SetUpdate(Window& w, Region update) {
  w.gfx.update = Region::Combine(update, Region::FromRect(ClientBox(w)), Region::Op::And);
  w.needsPaint = !w.gfx.update.Empty();
  if (!w.needsPaint) w.gfx.erasePending = false;
}

void Invalidate(Window& w, const Region* area, bool erase) {
  Region add = area ? *area : Region::FromRect(ClientBox(w));
  SetUpdate(w, Region::Combine(w.gfx.update, add, Region::Op::Or));
  if (erase && w.needsPaint) w.gfx.erasePending = true;
}

void InvalidateAll(const std::vector<HWND>& windows, bool erase, bool children) {
  for (HWND hwnd : windows) {
    Window* w = Current().Find(hwnd);
    if (!w) continue;
    Invalidate(*w, nullptr, erase);
    if (children) InvalidateAll(w->children, erase, true);
  }
}

void PaintNow(HWND hwnd) {
  Window* w = Current().Find(hwnd);
  if (!w || !(w->style & WS_VISIBLE)) return;
  if (w->needsPaint) desktop::Send(hwnd, WM_PAINT, 0, 0);
  if (!(w = Current().Find(hwnd))) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) PaintNow(child);
}

}  // namespace

namespace desktop {

bool EraseBackground(HWND hwnd, HDC hdc) {
  const Window* w = Current().Find(hwnd);
  if (!w || !w->cls || !w->cls->background || !hdc) return false;
  RECT box = ClientBox(*w);
  return FillRect(hdc, &box, w->cls->background) != 0;
}

void EraseNow(HWND hwnd) {
  HDC hdc = GetDC(hwnd);
  Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
  ReleaseDC(hwnd, hdc);
  if (Window* w = Current().Find(hwnd)) w->gfx.erasePending = false;
}

}  // namespace desktop

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
  Window* w = Current().Require(hwnd);
  if (!w || !paint) return nullptr;
  Region update = w->gfx.update;
  bool erase = w->gfx.erasePending;
  SetUpdate(*w, Region());
  HDC hdc = GetDC(hwnd);
  if (desktop::DeviceContext* dc = desktop::Gdi().FindDc(hdc)) {
    dc->paint = true;
    dc->paintClip = update;
  }
  *paint = PAINTSTRUCT{};
  paint->hdc = hdc;
  paint->rcPaint = update.Box();
  if (erase) {
    // fErase tells the window the background still needs erasing.
    paint->fErase = desktop::Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) == 0;
  }
  return hdc;
}

BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
  if (!paint) return FALSE;
  ReleaseDC(hwnd, paint->hdc);
  return TRUE;
}

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  if (!hwnd) {
    InvalidateAll(Current().topLevels, erase, true);
    return TRUE;
  }
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  Region area = rect ? Region::FromRect(*rect) : Region::FromRect(ClientBox(*w));
  Invalidate(*w, &area, erase);
  return TRUE;
}

BOOL WINAPI InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  if (!region) return InvalidateRect(hwnd, nullptr, erase);
  Region* r = desktop::Gdi().FindRegion(region);
  if (!r) return FALSE;
  Invalidate(*w, r, erase);
  return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect) {
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  SetUpdate(*w, rect ? Region::Combine(w->gfx.update, Region::FromRect(*rect), Region::Op::Diff)
                     : Region());
  return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  if (rect) *rect = w->gfx.update.Box();
  return w->needsPaint;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
  if (!Current().Require(hwnd)) return FALSE;
  PaintNow(hwnd);
  return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  if (flags & RDW_INVALIDATE) {
    if (region) {
      InvalidateRgn(hwnd, region, flags & RDW_ERASE);
    } else {
      InvalidateRect(hwnd, rect, flags & RDW_ERASE);
    }
    if (flags & RDW_ALLCHILDREN) InvalidateAll(w->children, flags & RDW_ERASE, true);
  }
  if (flags & RDW_FRAME) desktop::Send(hwnd, WM_NCPAINT, 1, 0);
  if ((flags & RDW_ERASENOW) && Current().Find(hwnd) && Current().Find(hwnd)->gfx.erasePending) {
    desktop::EraseNow(hwnd);
  }
  if (flags & RDW_UPDATENOW) PaintNow(hwnd);
  return TRUE;
}

// The colours of the default Windows 7 scheme; texts and the rest are black.
DWORD WINAPI GetSysColor(int index) {
  static const COLORREF kColours[] = {
      RGB(200, 200, 200),  // COLOR_SCROLLBAR
      RGB(0, 0, 0),        // COLOR_BACKGROUND
      RGB(153, 180, 209),  // COLOR_ACTIVECAPTION
      RGB(191, 205, 219),  // COLOR_INACTIVECAPTION
      RGB(240, 240, 240),  // COLOR_MENU
      RGB(255, 255, 255),  // COLOR_WINDOW
      RGB(100, 100, 100),  // COLOR_WINDOWFRAME
      RGB(0, 0, 0),        // COLOR_MENUTEXT
      RGB(0, 0, 0),        // COLOR_WINDOWTEXT
      RGB(0, 0, 0),        // COLOR_CAPTIONTEXT
      RGB(180, 180, 180),  // COLOR_ACTIVEBORDER
      RGB(244, 247, 252),  // COLOR_INACTIVEBORDER
      RGB(171, 171, 171),  // COLOR_APPWORKSPACE
      RGB(51, 153, 255),   // COLOR_HIGHLIGHT
      RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
      RGB(240, 240, 240),  // COLOR_BTNFACE
      RGB(160, 160, 160),  // COLOR_BTNSHADOW
      RGB(109, 109, 109),  // COLOR_GRAYTEXT
      RGB(0, 0, 0),        // COLOR_BTNTEXT
      RGB(67, 78, 84),     // COLOR_INACTIVECAPTIONTEXT
      RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
      RGB(105, 105, 105),  // COLOR_3DDKSHADOW
      RGB(227, 227, 227),  // COLOR_3DLIGHT
  };
  if (index < 0 || index >= static_cast<int>(sizeof kColours / sizeof kColours[0])) return 0;
  return kColours[index];
}

HBRUSH WINAPI GetSysColorBrush(int index) {
  if (index < 0 || index > COLOR_3DLIGHT) return nullptr;
  return desktop::Gdi().SystemColorBrush(index, GetSysColor(index));
}
