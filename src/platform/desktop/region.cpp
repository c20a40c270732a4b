// Regions: creation from rectangles and region data, combination, queries
// and reading the data back.
#include <cstring>

#include "platform/desktop/gdi_internal.h"
#include "platform/desktop/startup_timings.h"

using desktop::Gdi;
using desktop::Region;
using desktop::SetError;

namespace {

constexpr DWORD kHeaderSize = sizeof(RGNDATAHEADER);

Region* RequireRegion(HRGN region) {
  Region* r = Gdi().FindRegion(region);
  if (!r) SetError(ERROR_INVALID_HANDLE);
  return r;
}

RECT Ordered(int left, int top, int right, int bottom) {
  return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
              std::max(top, bottom)};
}

}  // namespace

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
  return Gdi().NewRegion(Region::FromRect(Ordered(left, top, right, bottom)));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* rect) {
  if (!rect) return nullptr;
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL WINAPI SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
  Region* r = RequireRegion(region);
  if (!r) return FALSE;
  *r = Region::FromRect(Ordered(left, top, right, bottom));
  return TRUE;
}

HRGN WINAPI ExtCreateRegion(const XFORM* transform, DWORD size, const RGNDATA* data) {
  desktop::startup::Scope timing("window regions", true);
  // The header must be whole; nCount rectangles follow it. Its type is not
  // looked at, as on Windows. Unlike Windows, a count that would read past
  // the size given is refused rather than read.
  if (transform || !data || size < kHeaderSize || data->rdh.dwSize < kHeaderSize ||
      data->rdh.dwSize > size || (size - data->rdh.dwSize) / sizeof(RECT) < data->rdh.nCount) {
    SetError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::vector<RECT> rects(data->rdh.nCount);
  if (!rects.empty()) {
    std::memcpy(rects.data(), reinterpret_cast<const char*>(data) + data->rdh.dwSize,
                rects.size() * sizeof(RECT));
  }
  return Gdi().NewRegion(Region::FromRects(rects));
}

int WINAPI CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode) {
  desktop::startup::Scope timing("window regions", true);
  Region* d = RequireRegion(dest);
  Region* a = RequireRegion(source1);
  if (!d || !a) return ERROR;
  if (mode == RGN_COPY) {
    *d = *a;
    return d->Complexity();
  }
  Region* b = RequireRegion(source2);
  if (!b) return ERROR;
  if (mode == RGN_OR && d == a && a != b) {  // growing a region in place, as region builders do
    d->Unite(*b);
    return d->Complexity();
  }
  Region::Op op;
  switch (mode) {
    case RGN_AND:
      op = Region::Op::And;
      break;
    case RGN_OR:
      op = Region::Op::Or;
      break;
    case RGN_XOR:
      op = Region::Op::Xor;
      break;
    case RGN_DIFF:
      op = Region::Op::Diff;
      break;
    default:
      SetError(ERROR_INVALID_PARAMETER);
      return ERROR;
  }
  *d = Region::Combine(*a, *b, op);
  return d->Complexity();
}

int WINAPI OffsetRgn(HRGN region, int dx, int dy) {
  Region* r = RequireRegion(region);
  if (!r) return ERROR;
  r->Offset(dx, dy);
  return r->Complexity();
}

BOOL WINAPI PtInRegion(HRGN region, int x, int y) {
  Region* r = RequireRegion(region);
  return r && r->Contains(x, y);
}

BOOL WINAPI RectInRegion(HRGN region, const RECT* rect) {
  Region* r = RequireRegion(region);
  if (!r || !rect) return FALSE;
  return r->Intersects(Ordered(rect->left, rect->top, rect->right, rect->bottom));
}

int WINAPI GetRgnBox(HRGN region, LPRECT box) {
  Region* r = RequireRegion(region);
  if (!r || !box) return ERROR;
  *box = r->Box();
  return r->Complexity();
}

BOOL WINAPI EqualRgn(HRGN region1, HRGN region2) {
  Region* a = RequireRegion(region1);
  Region* b = RequireRegion(region2);
  if (!a || !b) return ERROR;
  return *a == *b;
}

DWORD WINAPI GetRegionData(HRGN region, DWORD size, LPRGNDATA data) {
  Region* r = RequireRegion(region);
  if (!r) return 0;
  std::vector<RECT> rects = r->Rects();
  DWORD needed = kHeaderSize + static_cast<DWORD>(rects.size() * sizeof(RECT));
  if (!data) return needed;
  if (size < needed) {
    SetError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  data->rdh.dwSize = kHeaderSize;
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  data->rdh.rcBound = r->Box();
  if (!rects.empty()) {
    std::memcpy(reinterpret_cast<char*>(data) + kHeaderSize, rects.data(),
                rects.size() * sizeof(RECT));
  }
  return needed;
}
