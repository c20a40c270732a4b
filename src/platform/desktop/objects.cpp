// Drawing objects: selecting into DCs, deleting, stock objects, brushes,
// descriptions and the count of live objects.
#include <algorithm>
#include <cstring>

#include "platform/desktop/gdi_internal.h"
#include "platform/desktop/screen.h"

using desktop::Current;
using desktop::DcKind;
using desktop::Gdi;
using desktop::GdiKind;
using desktop::SetError;

namespace {

HGDIOBJ SelectBitmap(HDC hdc, desktop::DeviceContext& dc, HBITMAP handle) {
  desktop::Bitmap* bitmap = Gdi().FindBitmap(handle);
  if (dc.kind != DcKind::Memory || !bitmap) return nullptr;
  if (bitmap->selectedInto && bitmap->selectedInto != hdc) return nullptr;
  HBITMAP old = dc.bitmap;
  if (desktop::Bitmap* previous = Gdi().FindBitmap(old)) previous->selectedInto = nullptr;
  if (handle != Gdi().defaultBitmap) bitmap->selectedInto = hdc;
  dc.bitmap = handle;
  return reinterpret_cast<HGDIOBJ>(old);
}

HGDIOBJ SelectBrush(desktop::DeviceContext& dc, HBRUSH handle) {
  desktop::Brush* brush = Gdi().FindBrush(handle);
  if (!brush) return nullptr;
  HBRUSH old = dc.brush;
  if (desktop::Brush* previous = Gdi().FindBrush(old)) --previous->selections;
  ++brush->selections;
  dc.brush = handle;
  return reinterpret_cast<HGDIOBJ>(old);
}

HGDIOBJ SelectFont(desktop::DeviceContext& dc, HFONT handle) {
  desktop::Font* font = Gdi().FindFont(handle);
  if (!font) return nullptr;
  HFONT old = dc.font;
  if (desktop::Font* previous = Gdi().FindFont(old)) --previous->selections;
  ++font->selections;
  dc.font = handle;
  return reinterpret_cast<HGDIOBJ>(old);
}

bool HeldByWindow(HGDIOBJ region) {
  for (const auto& [key, w] : Current().windows) {
    if (reinterpret_cast<HGDIOBJ>(w->gfx.region) == region) return true;
  }
  return false;
}

bool InUse(HGDIOBJ object, GdiKind kind) {
  switch (kind) {
    case GdiKind::Bitmap:
      return Gdi().FindBitmap(object)->selectedInto != nullptr;
    case GdiKind::Brush:
      return Gdi().FindBrush(object)->selections > 0;
    case GdiKind::Region:
      return HeldByWindow(object);
    case GdiKind::Dc:
      return true;  // DeleteDC's business
    case GdiKind::Font:
      return Gdi().FindFont(object)->selections > 0;
  }
  return false;
}

int DescribeBitmap(desktop::Bitmap& b, int size, LPVOID buffer) {
  BITMAP bm{};
  bm.bmWidth = b.width;
  bm.bmHeight = b.height;
  bm.bmWidthBytes = b.bitsPerPixel == 1 ? (b.width + 15) / 16 * 2 : b.width * 4;
  bm.bmPlanes = 1;
  bm.bmBitsPixel = static_cast<WORD>(b.bitsPerPixel);
  bm.bmBits = b.dibSection ? b.words.data() : nullptr;
  if (b.dibSection && (!buffer || size >= static_cast<int>(sizeof(DIBSECTION)))) {
    if (!buffer) return sizeof(DIBSECTION);
    DIBSECTION ds{};
    ds.dsBm = bm;
    ds.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
    ds.dsBmih.biWidth = b.width;
    ds.dsBmih.biHeight = b.bottomUp ? b.height : -b.height;
    ds.dsBmih.biPlanes = 1;
    ds.dsBmih.biBitCount = 32;
    ds.dsBmih.biCompression = BI_RGB;
    ds.dsBmih.biSizeImage = static_cast<DWORD>(b.width) * 4 * b.height;
    std::memcpy(buffer, &ds, sizeof ds);
    return sizeof ds;
  }
  if (!buffer) return sizeof(BITMAP);
  if (size < static_cast<int>(sizeof(BITMAP))) return 0;
  std::memcpy(buffer, &bm, sizeof bm);
  return sizeof bm;
}

}  // namespace

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object) {
  desktop::DeviceContext* dc = Gdi().FindDc(hdc);
  std::optional<GdiKind> kind = Gdi().KindOf(object);
  if (!dc || !kind) {
    SetError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  switch (*kind) {
    case GdiKind::Bitmap:
      return SelectBitmap(hdc, *dc, reinterpret_cast<HBITMAP>(object));
    case GdiKind::Brush:
      return SelectBrush(*dc, reinterpret_cast<HBRUSH>(object));
    case GdiKind::Font:
      return SelectFont(*dc, reinterpret_cast<HFONT>(object));
    case GdiKind::Region:
      // Selecting a region sets the clip and answers its complexity.
      return reinterpret_cast<HGDIOBJ>(
          static_cast<ULONG_PTR>(SelectClipRgn(hdc, reinterpret_cast<HRGN>(object))));
    default:
      return nullptr;
  }
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
  std::optional<GdiKind> kind = Gdi().KindOf(object);
  if (!kind) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (Gdi().IsStock(object)) return TRUE;
  if (InUse(object, *kind)) return FALSE;
  return Gdi().Remove(object);
}

HGDIOBJ WINAPI GetStockObject(int index) {
  if (index == SYSTEM_FONT) return reinterpret_cast<HGDIOBJ>(Gdi().systemFont);
  if (index == DEFAULT_GUI_FONT) return reinterpret_cast<HGDIOBJ>(Gdi().defaultGuiFont);
  if (index < WHITE_BRUSH || index > NULL_BRUSH) return nullptr;
  return reinterpret_cast<HGDIOBJ>(Gdi().stockBrushes[index]);
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
  desktop::DeviceContext* dc = Gdi().FindDc(hdc);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_BITMAP:
      return reinterpret_cast<HGDIOBJ>(dc->bitmap);
    case OBJ_BRUSH:
      return reinterpret_cast<HGDIOBJ>(dc->brush);
    case OBJ_FONT:
      return reinterpret_cast<HGDIOBJ>(dc->font);
    default:
      return nullptr;
  }
}

int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
  std::optional<GdiKind> kind = Gdi().KindOf(object);
  if (!kind) {
    SetError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if (*kind == GdiKind::Bitmap) return DescribeBitmap(*Gdi().FindBitmap(object), size, buffer);
  if (*kind == GdiKind::Brush) {
    if (!buffer) return sizeof(LOGBRUSH);
    if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
    desktop::Brush* brush = Gdi().FindBrush(object);
    LOGBRUSH lb{brush->style, brush->color, 0};
    std::memcpy(buffer, &lb, sizeof lb);
    return sizeof lb;
  }
  if (*kind == GdiKind::Font) {
    // As Windows: a short buffer takes the first bytes of the description.
    if (!buffer) return sizeof(LOGFONTA);
    if (size <= 0) return 0;
    int n = std::min(size, static_cast<int>(sizeof(LOGFONTA)));
    std::memcpy(buffer, &Gdi().FindFont(object)->logfont, static_cast<std::size_t>(n));
    return n;
  }
  return 0;
}

DWORD WINAPI GetObjectType(HGDIOBJ object) {
  std::optional<GdiKind> kind = Gdi().KindOf(object);
  if (!kind) {
    SetError(ERROR_INVALID_HANDLE);
    return 0;
  }
  switch (*kind) {
    case GdiKind::Bitmap:
      return OBJ_BITMAP;
    case GdiKind::Brush:
      return OBJ_BRUSH;
    case GdiKind::Region:
      return OBJ_REGION;
    case GdiKind::Font:
      return OBJ_FONT;
    case GdiKind::Dc:
      return Gdi().FindDc(object)->kind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
  }
  return 0;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  return Gdi().NewBrush(desktop::Brush{BS_SOLID, color & 0x00FFFFFF, 0});
}

DWORD WINAPI GetGuiResources(HANDLE, DWORD kind) {
  return kind == GR_GDIOBJECTS ? static_cast<DWORD>(Gdi().LiveTotal()) : 0;
}

namespace desktop {

int LiveGdiObjects(GdiKind kind) { return Gdi().Live(kind); }

std::optional<COLORREF> BrushColor(HBRUSH brush) {
  auto value = reinterpret_cast<ULONG_PTR>(brush);
  if (value > 0 && value <= COLOR_3DLIGHT + 1) return GetSysColor(static_cast<int>(value - 1));
  Brush* b = Gdi().FindBrush(brush);
  if (!b || b->style == BS_NULL) return std::nullopt;
  return b->color;
}

}  // namespace desktop
