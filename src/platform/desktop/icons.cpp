// Icons from the program's resources: their pictures, GetIconInfo, and
// DrawIconEx drawing them scaled and alpha-blended onto a DC's pixels.
#include <algorithm>

#include "platform/desktop/gdi_internal.h"
#include "platform/desktop/icon_file.h"

using desktop::Gdi;
using desktop::IconPicture;
using desktop::SetError;

namespace {

// The picture of an icon handle, or nothing (with the error set).
std::optional<IconPicture> PictureOf(HICON icon) {
  std::optional<IconPicture> picture = desktop::ReadIconFile(desktop::IconBytesOf(icon));
  if (!picture) SetError(ERROR_INVALID_HANDLE);
  return picture;
}

// The premultiplied colour of the target pixel (i, j) of a `dw` x `dh`
// drawing: the average of the source pixels its footprint covers.
struct Premultiplied {
  double b = 0, g = 0, r = 0, a = 0;
};

Premultiplied Sample(const IconPicture& p, int i, int j, int dw, int dh) {
  int x0 = i * p.width / dw, x1 = std::max(x0 + 1, (i + 1) * p.width / dw);
  int y0 = j * p.height / dh, y1 = std::max(y0 + 1, (j + 1) * p.height / dh);
  Premultiplied sum;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      std::uint32_t word = p.pixels[static_cast<std::size_t>(y) * p.width + x];
      double alpha = (word >> 24) / 255.0;
      sum.a += alpha;
      sum.r += ((word >> 16) & 0xFF) * alpha;
      sum.g += ((word >> 8) & 0xFF) * alpha;
      sum.b += (word & 0xFF) * alpha;
    }
  }
  double n = static_cast<double>((x1 - x0) * (y1 - y0));
  return Premultiplied{sum.b / n, sum.g / n, sum.r / n, sum.a / n};
}

std::uint32_t Over(const Premultiplied& s, std::uint32_t dest) {
  auto channel = [&](double source, int shift) {
    double d = (dest >> shift) & 0xFF;
    return static_cast<std::uint32_t>(std::clamp(source + d * (1 - s.a), 0.0, 255.0) + 0.5)
           << shift;
  };
  return (dest & 0xFF000000) | channel(s.r, 16) | channel(s.g, 8) | channel(s.b, 0);
}

HBITMAP NewBitmapOf(int width, int height, int bitsPerPixel) {
  desktop::Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.bitsPerPixel = bitsPerPixel;
  bitmap.words.assign(static_cast<std::size_t>(width) * height, 0);
  return Gdi().NewBitmap(std::move(bitmap));
}

}  // namespace

// The caller owns both bitmaps, as on Windows.
BOOL WINAPI GetIconInfo(HICON icon, PICONINFO info) {
  std::optional<IconPicture> picture = PictureOf(icon);
  if (!picture || !info) return FALSE;
  HBITMAP colour = NewBitmapOf(picture->width, picture->height, 32);
  HBITMAP mask = NewBitmapOf(picture->width, picture->height, 1);
  desktop::Bitmap* c = Gdi().FindBitmap(colour);
  desktop::Bitmap* m = Gdi().FindBitmap(mask);
  for (int y = 0; y < picture->height; ++y) {
    for (int x = 0; x < picture->width; ++x) {
      std::size_t i = static_cast<std::size_t>(y) * picture->width + x;
      c->Put(x, y, picture->pixels[i]);
      m->Put(x, y, picture->mask[i] ? 0x00FFFFFF : 0);
    }
  }
  *info = ICONINFO{TRUE, static_cast<DWORD>(picture->width / 2),
                   static_cast<DWORD>(picture->height / 2), mask, colour};
  return TRUE;
}

BOOL WINAPI DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH,
                       UINT flags) {
  if (!Gdi().FindDc(hdc)) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::optional<IconPicture> picture = PictureOf(icon);
  if (!picture) return FALSE;
  if (width <= 0) width = picture->width;  // 0: the picture's own size
  if (height <= 0) height = picture->height;
  desktop::DrawTarget target;
  if ((flags & DI_NORMAL) == 0 || !desktop::ResolveTarget(hdc, &target)) return TRUE;
  RECT area{x + target.origin.x, y + target.origin.y, x + target.origin.x + width,
            y + target.origin.y + height};
  for (const RECT& r : target.visible.Clip(area)) {
    for (LONG py = r.top; py < r.bottom; ++py) {
      for (LONG px = r.left; px < r.right; ++px) {
        Premultiplied s = Sample(*picture, px - area.left, py - area.top, width, height);
        if ((flags & DI_NORMAL) == DI_MASK) {  // the mask alone: black where opaque
          s = Premultiplied{0, 0, 0, s.a > 0.5 ? 1.0 : 0.0};
        }
        target.pixels->Put(px, py, Over(s, target.pixels->At(px, py)));
      }
    }
  }
  return TRUE;
}

BOOL WINAPI DrawIcon(HDC hdc, int x, int y, HICON icon) {
  return DrawIconEx(hdc, x, y, icon, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0,
                    nullptr, DI_NORMAL);
}
