// Pixels and blits: GetPixel, SetPixel, FillRect, BitBlt, StretchBlt and
// TransparentBlt, each within the target DC's clip.
#include <algorithm>
#include <optional>

#include "platform/desktop/gdi_internal.h"

using desktop::Bitmap;
using desktop::DeviceContext;
using desktop::DrawTarget;
using desktop::Gdi;
using desktop::SetError;

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kColourBits = 0x00FFFFFF;

// The source of a blit: its pixels, where its DC's (0, 0) lies on them, and
// its colours (for conversions to and from monochrome).
struct Source {
  Bitmap* pixels = nullptr;
  POINT origin{0, 0};
  const DeviceContext* dc = nullptr;
  std::vector<std::uint32_t> snapshot;  // when source and target share pixels

  std::uint32_t At(int x, int y) const {
    if (!snapshot.empty()) return snapshot[static_cast<std::size_t>(y) * pixels->width + x];
    return pixels->At(x, y);
  }
};

// Source words converted to the target's format: a monochrome source takes
// the target's text (black) and background (white) colours; a monochrome
// target gets white where the source has its background colour.
struct Converter {
  bool toColour = false, toMono = false;
  std::uint32_t black = 0, white = kWhite, sourceBk = kWhite;

  Converter(const Source& s, const Bitmap& target, const DeviceContext& targetDc) {
    toColour = s.pixels->bitsPerPixel == 1 && target.bitsPerPixel != 1;
    toMono = s.pixels->bitsPerPixel != 1 && target.bitsPerPixel == 1;
    black = desktop::WordOf(targetDc.textColor);
    white = desktop::WordOf(targetDc.bkColor);
    sourceBk = desktop::WordOf(s.dc->bkColor);
  }
  std::uint32_t operator()(std::uint32_t word) const {
    if (toColour) return (word & kColourBits) ? white : black;
    if (toMono) return (word & kColourBits) == sourceBk ? kWhite : 0;
    return word;
  }
};

std::optional<std::uint32_t> Apply(DWORD rop, std::uint32_t dest, std::uint32_t source,
                                   std::uint32_t pattern) {
  switch (rop) {
    case SRCCOPY:
      return source;
    case SRCPAINT:
      return (dest | source) & kColourBits;
    case SRCAND:
      return dest & source & kColourBits;
    case SRCINVERT:
      return (dest ^ source) & kColourBits;
    case NOTSRCCOPY:
      return ~source & kColourBits;
    case PATCOPY:
      return pattern;
    case BLACKNESS:
      return 0;
    case WHITENESS:
      return kWhite;
    default:
      return std::nullopt;
  }
}

bool UsesSource(DWORD rop) { return rop != PATCOPY && rop != BLACKNESS && rop != WHITENESS; }

bool ResolveSource(HDC hdc, HDC target, Source* source) {
  const DeviceContext* dc = Gdi().FindDc(hdc);
  DrawTarget t;
  if (!dc || !desktop::ResolveTarget(hdc, &t)) return false;
  source->pixels = t.pixels;
  source->origin = t.origin;
  source->dc = dc;
  DrawTarget other;
  if (desktop::ResolveTarget(target, &other) && other.pixels == t.pixels) {
    source->snapshot = t.pixels->words;
    if (t.pixels->bottomUp) {  // keep the snapshot top-down, as At reads it
      for (int y = 0; y < t.pixels->height; ++y) {
        std::copy_n(t.pixels->Row(y), t.pixels->width,
                    source->snapshot.begin() + static_cast<std::ptrdiff_t>(y) * t.pixels->width);
      }
    }
  }
  return true;
}

// One source pixel for the target pixel at offset (i, j) of a blit of
// dw x dh from sw x sh: when shrinking, the eliminated pixels are combined
// into the kept one as the stretch mode says.
std::optional<std::uint32_t> Sample(const Source& s, const Converter& convert, int sx, int sy,
                                    int sw, int sh, int i, int j, int dw, int dh, int mode) {
  auto range = [](int from, int srcLen, int dstLen, int k) {
    long long first = from + static_cast<long long>(k) * srcLen / dstLen;
    long long last =
        srcLen > dstLen ? from + static_cast<long long>(k + 1) * srcLen / dstLen : first + 1;
    return std::pair<long long, long long>{first, std::max(last, first + 1)};
  };
  auto [x0, x1] = range(sx, sw, dw, i);
  auto [y0, y1] = range(sy, sh, dh, j);
  if (mode == COLORONCOLOR || mode == HALFTONE) {
    x1 = x0 + 1;
    y1 = y0 + 1;
  }
  std::optional<std::uint32_t> out;
  for (long long y = y0; y < y1; ++y) {
    long long sourceY = y + s.origin.y;
    if (sourceY < 0 || sourceY >= s.pixels->height) continue;
    for (long long x = x0; x < x1; ++x) {
      long long sourceX = x + s.origin.x;
      if (sourceX < 0 || sourceX >= s.pixels->width) continue;
      std::uint32_t word = convert(s.At(static_cast<int>(sourceX), static_cast<int>(sourceY)));
      if (!out) {
        out = word;
      } else {
        out = mode == WHITEONBLACK ? (*out | word) : (*out & word);
      }
    }
  }
  return out;
}

// A plain copy between pixels of one format: whole row pieces at a time,
// within the target's clip and the source's pixels.
void CopyRows(const Source& source, DrawTarget& target, const RECT& area, int sourceX,
              int sourceY) {
  // Where the source's pixels lie on the target.
  LONG dx = area.left - sourceX - source.origin.x, dy = area.top - sourceY - source.origin.y;
  RECT reach{std::max<LONG>(area.left, dx), std::max<LONG>(area.top, dy),
             std::min<LONG>(area.right, dx + source.pixels->width),
             std::min<LONG>(area.bottom, dy + source.pixels->height)};
  if (reach.left >= reach.right || reach.top >= reach.bottom) return;
  for (const RECT& r : target.visible.Clip(reach)) {
    for (LONG y = r.top; y < r.bottom; ++y) {
      std::copy_n(source.pixels->Row(y - dy) + (r.left - dx), r.right - r.left,
                  target.pixels->Row(y) + r.left);
    }
  }
}

struct Blit {
  int x, y, width, height;  // on the target, in its DC's coordinates
  int sourceX, sourceY, sourceWidth, sourceHeight;
  DWORD rop = SRCCOPY;
  std::optional<COLORREF> transparent;  // TransparentBlt's key
};

BOOL Run(HDC targetDc, HDC sourceDc, const Blit& blit, int mode) {
  DrawTarget target;
  DeviceContext* dc = Gdi().FindDc(targetDc);
  if (!dc || !desktop::ResolveTarget(targetDc, &target)) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!Apply(blit.rop, 0, 0, 0)) {
    SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Source source;
  if (UsesSource(blit.rop) && !ResolveSource(sourceDc, targetDc, &source)) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (dc->hwnd) ++Gdi().blitsOntoWindow[dc->hwnd];
  if (blit.width <= 0 || blit.height <= 0) return TRUE;
  std::uint32_t pattern = desktop::WordOf(desktop::BrushColor(dc->brush).value_or(0));
  std::optional<Converter> convert;
  if (source.pixels) convert.emplace(source, *target.pixels, *dc);
  std::uint32_t key = blit.transparent ? desktop::WordOf(*blit.transparent) : 0;

  bool oneToOne = blit.width == blit.sourceWidth && blit.height == blit.sourceHeight;
  RECT area{target.origin.x + blit.x, target.origin.y + blit.y,
            target.origin.x + blit.x + blit.width, target.origin.y + blit.y + blit.height};
  if (oneToOne && blit.rop == SRCCOPY && !blit.transparent && source.pixels &&
      source.snapshot.empty() && source.pixels->bitsPerPixel == target.pixels->bitsPerPixel) {
    CopyRows(source, target, area, blit.sourceX, blit.sourceY);
    return TRUE;
  }
  for (const RECT& r : target.visible.Clip(area)) {
    for (LONG py = r.top; py < r.bottom; ++py) {
      for (LONG px = r.left; px < r.right; ++px) {
        int i = px - area.left, j = py - area.top;
        std::uint32_t word = 0;
        if (source.pixels && oneToOne) {
          long long sx = static_cast<long long>(blit.sourceX) + i + source.origin.x;
          long long sy = static_cast<long long>(blit.sourceY) + j + source.origin.y;
          if (sx < 0 || sy < 0 || sx >= source.pixels->width || sy >= source.pixels->height) {
            continue;
          }
          word = (*convert)(source.At(static_cast<int>(sx), static_cast<int>(sy)));
          if (blit.transparent && (word & kColourBits) == key) continue;
        } else if (source.pixels) {
          std::optional<std::uint32_t> sample = Sample(
              source, *convert, blit.sourceX, blit.sourceY, blit.sourceWidth, blit.sourceHeight, i,
              j, blit.width, blit.height, blit.transparent ? COLORONCOLOR : mode);
          if (!sample) continue;
          if (blit.transparent && ((*sample & kColourBits) == key)) continue;
          word = *sample;
        }
        target.pixels->Put(px, py, *Apply(blit.rop, target.pixels->At(px, py), word, pattern));
      }
    }
  }
  return TRUE;
}

}  // namespace

// Reads what the DC's pixels hold, whatever its clip region.
COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  DrawTarget t;
  if (!desktop::ResolveTarget(hdc, &t, false)) return CLR_INVALID;
  LONG px = x + t.origin.x, py = y + t.origin.y;
  if (!t.visible.Contains(px, py)) return CLR_INVALID;
  return desktop::ColorOf(t.pixels->At(px, py));
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DrawTarget t;
  if (!desktop::ResolveTarget(hdc, &t, false)) return CLR_INVALID;
  LONG px = x + t.origin.x, py = y + t.origin.y;
  if (!t.visible.Contains(px, py)) return CLR_INVALID;
  std::uint32_t word = desktop::WordOf(color);
  if (t.pixels->bitsPerPixel == 1) word = desktop::Monochrome(word);
  // Outside the clip region nothing is drawn, but the colour is answered.
  DrawTarget clipped;
  if (desktop::ResolveTarget(hdc, &clipped) && clipped.visible.Contains(px, py)) {
    t.pixels->Put(px, py, word);
  }
  return desktop::ColorOf(word);
}

int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DrawTarget t;
  if (!rect || !desktop::ResolveTarget(hdc, &t)) return FALSE;
  if (!Gdi().FindBrush(brush) && !desktop::BrushColor(brush)) return FALSE;
  std::optional<COLORREF> color = desktop::BrushColor(brush);
  if (!color) return TRUE;  // a hollow brush paints nothing
  std::uint32_t word = desktop::WordOf(*color);
  RECT area{rect->left + t.origin.x, rect->top + t.origin.y, rect->right + t.origin.x,
            rect->bottom + t.origin.y};
  for (const RECT& r : t.visible.Clip(area)) {
    for (LONG y = r.top; y < r.bottom; ++y) {
      for (LONG x = r.left; x < r.right; ++x) t.pixels->Put(x, y, word);
    }
  }
  return TRUE;
}

BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, DWORD rop) {
  return Run(dest, source, Blit{x, y, width, height, sourceX, sourceY, width, height, rop, {}},
             COLORONCOLOR);
}

BOOL WINAPI StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                       int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
  const DeviceContext* dc = Gdi().FindDc(dest);
  if (!dc) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (UsesSource(rop) && (sourceWidth <= 0 || sourceHeight <= 0))
    return width > 0 && height > 0 ? FALSE : TRUE;
  return Run(dest, source,
             Blit{x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight, rop, {}},
             dc->stretchMode);
}

BOOL WINAPI TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                           int sourceY, int sourceWidth, int sourceHeight, UINT transparent) {
  DrawTarget s;
  if (!desktop::ResolveTarget(source, &s)) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // The source rectangle must lie within the source's pixels.
  if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0 || sourceX < 0 ||
      sourceY < 0 || sourceX + s.origin.x + sourceWidth > s.pixels->width ||
      sourceY + s.origin.y + sourceHeight > s.pixels->height) {
    SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Run(dest, source,
             Blit{x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight, SRCCOPY,
                  static_cast<COLORREF>(transparent)},
             COLORONCOLOR);
}
