#include "gfx/region_from_bitmap.h"

#include <algorithm>
#include <vector>

namespace {

constexpr DWORD kGrowth = 100;    // rectangles added to the batch when it is full
constexpr DWORD kFlushAt = 2000;  // rectangles handed over at once
constexpr BYTE kKeyChannel = 0x5C;

// Rows of rectangles handed to ExtCreateRegion in batches: a region-data
// header followed by room for `capacity` rectangles, reused across batches.
class RectangleBatch {
 public:
  RectangleBatch() {
    Grow();
    Reset();
  }

  void Add(const RECT& rect) {
    if (Header().nCount == capacity_) Grow();
    RGNDATAHEADER& h = Header();
    Rects()[h.nCount] = rect;
    h.rcBound.left = std::min(h.rcBound.left, rect.left);
    h.rcBound.top = std::min(h.rcBound.top, rect.top);
    h.rcBound.right = std::max(h.rcBound.right, rect.right);
    h.rcBound.bottom = std::max(h.rcBound.bottom, rect.bottom);
    ++h.nCount;
  }
  DWORD Count() { return Header().nCount; }

  // The batch as a region merged into `result`; a batch whose region cannot
  // be built is dropped. The batch is empty afterwards.
  void FlushInto(HRGN& result) {
    HRGN part = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer_.size() * sizeof(DWORD)),
                                reinterpret_cast<const RGNDATA*>(buffer_.data()));
    if (part) {
      if (!result) {
        result = part;
      } else {
        CombineRgn(result, result, part, RGN_OR);
        DeleteObject(part);
      }
    }
    Reset();
  }

 private:
  RGNDATAHEADER& Header() { return *reinterpret_cast<RGNDATAHEADER*>(buffer_.data()); }
  RECT* Rects() { return reinterpret_cast<RECT*>(&Header() + 1); }
  void Grow() {
    capacity_ += kGrowth;
    buffer_.resize((sizeof(RGNDATAHEADER) + sizeof(RECT) * capacity_) / sizeof(DWORD));
  }
  void Reset() {
    RGNDATAHEADER& h = Header();
    h.dwSize = sizeof(RGNDATAHEADER);
    h.iType = RDH_RECTANGLES;
    h.nCount = 0;
    h.nRgnSize = 0;
    h.rcBound = RECT{0x7FFFFFFF, 0x7FFFFFFF, 0, 0};
  }

  // 32 + 16 x capacity bytes, kept in DWORDs so that the header and the
  // rectangles are aligned.
  std::vector<DWORD> buffer_;
  DWORD capacity_ = 0;
};

bool IsKey(const BYTE* pixel) {
  // Blue, green and red exactly; the fourth byte carries no colour.
  return pixel[0] == kKeyChannel && pixel[1] == kKeyChannel && pixel[2] == kKeyChannel;
}

// The runs of non-key pixels of a bottom-up 32-bit copy, top row first.
HRGN ScanRuns(const BYTE* bits, LONG width, LONG height, LONG stride) {
  RectangleBatch batch;
  HRGN result = nullptr;
  const BYTE* row = bits + static_cast<std::ptrdiff_t>(height - 1) * stride;  // the top row
  for (LONG y = 0; y < height; ++y, row -= stride) {
    LONG x = 0;
    while (x < width) {
      LONG start = x;
      while (x < width && !IsKey(row + 4 * x)) ++x;
      if (x > start) {
        batch.Add(RECT{start, y, x, y + 1});
        if (batch.Count() == kFlushAt) batch.FlushInto(result);
      }
      ++x;  // the key pixel that ended the run, or the end of the row
    }
  }
  batch.FlushInto(result);  // also when empty: an all-key picture gives an empty region
  return result;
}

}  // namespace

HRGN CreateRegionFromBitmap(HBITMAP bitmap) {
  if (!bitmap) return nullptr;
  HDC surface = CreateCompatibleDC(nullptr);
  if (!surface) return nullptr;
  BITMAP bm{};
  GetObjectA(bitmap, sizeof bm, &bm);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = bm.bmWidth;
  info.bmiHeader.biHeight = bm.bmHeight;  // rows stored bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(surface, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!copy) {
    DeleteDC(surface);
    return nullptr;
  }
  HGDIOBJ surfaceOld = SelectObject(surface, copy);

  HRGN result = nullptr;
  HDC source = CreateCompatibleDC(surface);
  if (source) {
    HGDIOBJ sourceOld = SelectObject(source, bitmap);
    BitBlt(surface, 0, 0, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
    BITMAP copied{};
    GetObjectA(copy, sizeof copied, &copied);
    LONG stride = (copied.bmWidthBytes + 3) / 4 * 4;
    result = ScanRuns(static_cast<const BYTE*>(copied.bmBits), bm.bmWidth, bm.bmHeight, stride);
    SelectObject(source, sourceOld);
    DeleteDC(source);
  }
  SelectObject(surface, surfaceOld);
  DeleteObject(copy);
  DeleteDC(surface);
  return result;
}
