// Device contexts: window and client DCs, memory DCs, their drawing
// attributes and their clip regions.
#include "platform/desktop/gdi_internal.h"

using desktop::Current;
using desktop::DcKind;
using desktop::DeviceContext;
using desktop::Gdi;
using desktop::SetError;

namespace {

DeviceContext* RequireDc(HDC hdc) {
  DeviceContext* dc = Gdi().FindDc(hdc);
  if (!dc) SetError(ERROR_INVALID_HANDLE);
  return dc;
}

// Every DC starts with the white brush and the system font.
void SelectDefaults(DeviceContext& dc) {
  dc.brush = Gdi().stockBrushes[WHITE_BRUSH];
  dc.font = Gdi().systemFont;
}

HDC NewWindowDc(HWND hwnd, bool wholeWindow) {
  DeviceContext screen;
  screen.kind = DcKind::Screen;
  SelectDefaults(screen);
  if (!hwnd) return Gdi().NewDc(std::move(screen));
  if (!Current().Require(hwnd)) return nullptr;
  DeviceContext dc;
  dc.kind = DcKind::Window;
  dc.hwnd = hwnd;
  dc.wholeWindow = wholeWindow;
  SelectDefaults(dc);
  return Gdi().NewDc(std::move(dc));
}

void Deselect(DeviceContext& dc) {
  if (desktop::Bitmap* bitmap = Gdi().FindBitmap(dc.bitmap)) bitmap->selectedInto = nullptr;
  if (desktop::Brush* brush = Gdi().FindBrush(dc.brush)) --brush->selections;
  if (desktop::Font* font = Gdi().FindFont(dc.font)) --font->selections;
}


template <typename T, typename Field>
T Exchange(HDC hdc, Field DeviceContext::*field, T value, T failure) {
  DeviceContext* dc = RequireDc(hdc);
  if (!dc) return failure;
  T old = static_cast<T>(dc->*field);
  dc->*field = value;
  return old;
}

template <typename T, typename Field>
T Read(HDC hdc, Field DeviceContext::*field, T failure) {
  DeviceContext* dc = RequireDc(hdc);
  return dc ? static_cast<T>(dc->*field) : failure;
}

}  // namespace

namespace desktop {

bool ResolveTarget(HDC hdc, DrawTarget* target, bool clipped) {
  DeviceContext* dc = Gdi().FindDc(hdc);
  if (!dc) return false;
  if (dc->kind == DcKind::Memory) {
    Bitmap* bitmap = Gdi().FindBitmap(dc->bitmap);
    if (!bitmap) return false;
    target->pixels = bitmap;
    target->origin = POINT{0, 0};
    target->visible = Region::FromRect(RECT{0, 0, bitmap->width, bitmap->height});
    if (clipped && dc->clip) {
      target->visible = Region::Combine(target->visible, *dc->clip, Region::Op::And);
    }
    return true;
  }
  if (dc->kind != DcKind::Window) return false;
  Window* w = Current().Find(dc->hwnd);
  Window* top = w ? Current().Find(TopLevelOf(dc->hwnd)) : nullptr;
  if (!top) return false;
  bool client = !dc->wholeWindow;
  target->pixels = &SurfaceOf(*top);
  ++target->pixels->drawnOn;
  target->origin = OriginOnSurface(*w, client);
  target->visible = VisibleOnSurface(*w, client);
  auto restrict = [&](Region area) {
    area.Offset(target->origin.x, target->origin.y);
    target->visible = Region::Combine(target->visible, area, Region::Op::And);
  };
  if (clipped && dc->paint) restrict(dc->paintClip);
  if (clipped && dc->clip) restrict(*dc->clip);
  return true;
}

}  // namespace desktop

HDC WINAPI GetDC(HWND hwnd) { return NewWindowDc(hwnd, false); }

HDC WINAPI GetWindowDC(HWND hwnd) { return NewWindowDc(hwnd, true); }

int WINAPI ReleaseDC(HWND, HDC hdc) {
  DeviceContext* dc = Gdi().FindDc(hdc);
  if (!dc || dc->kind == DcKind::Memory) return 0;
  Deselect(*dc);
  Gdi().Remove(hdc);
  return 1;
}

HWND WINAPI WindowFromDC(HDC hdc) {
  DeviceContext* dc = Gdi().FindDc(hdc);
  return dc ? dc->hwnd : nullptr;
}

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc && !RequireDc(hdc)) return nullptr;
  DeviceContext dc;
  dc.kind = DcKind::Memory;
  dc.bitmap = Gdi().defaultBitmap;
  SelectDefaults(dc);
  return Gdi().NewDc(std::move(dc));
}

BOOL WINAPI DeleteDC(HDC hdc) {
  DeviceContext* dc = RequireDc(hdc);
  if (!dc) return FALSE;
  Deselect(*dc);
  Gdi().Remove(hdc);
  return TRUE;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  return Exchange<COLORREF>(hdc, &DeviceContext::textColor, color, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) {
  return Read<COLORREF>(hdc, &DeviceContext::textColor, CLR_INVALID);
}
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  return Exchange<COLORREF>(hdc, &DeviceContext::bkColor, color, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) {
  return Read<COLORREF>(hdc, &DeviceContext::bkColor, CLR_INVALID);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) {
    SetError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange<int>(hdc, &DeviceContext::bkMode, mode, 0);
}
int WINAPI GetBkMode(HDC hdc) { return Read<int>(hdc, &DeviceContext::bkMode, 0); }

int WINAPI SetStretchBltMode(HDC hdc, int mode) {
  if (mode < BLACKONWHITE || mode > HALFTONE) {
    SetError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange<int>(hdc, &DeviceContext::stretchMode, mode, 0);
}
int WINAPI GetStretchBltMode(HDC hdc) { return Read<int>(hdc, &DeviceContext::stretchMode, 0); }

int WINAPI SelectClipRgn(HDC hdc, HRGN region) {
  DeviceContext* dc = RequireDc(hdc);
  if (!dc) return ERROR;
  if (!region) {
    dc->clip.reset();
  } else {
    desktop::Region* r = Gdi().FindRegion(region);
    if (!r) return ERROR;
    dc->clip = *r;  // a copy: the program keeps its region
  }
  desktop::DrawTarget target;
  if (!desktop::ResolveTarget(hdc, &target))
    return dc->clip ? dc->clip->Complexity() : SIMPLEREGION;
  return target.visible.Complexity();
}

int WINAPI GetClipBox(HDC hdc, LPRECT box) {
  desktop::DrawTarget target;
  if (!RequireDc(hdc) || !box) return ERROR;
  if (!desktop::ResolveTarget(hdc, &target)) {
    *box = RECT{0, 0, 0, 0};
    return NULLREGION;
  }
  *box = target.visible.Box();
  if (target.visible.Empty()) return NULLREGION;
  box->left -= target.origin.x;
  box->right -= target.origin.x;
  box->top -= target.origin.y;
  box->bottom -= target.origin.y;
  return target.visible.Complexity();
}
