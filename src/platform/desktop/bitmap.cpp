// Bitmaps: device-dependent ones (monochrome or the screen's 32 bits), DIB
// sections, reading their bits, and loading them from the program's
// resources.
#include <cstring>

#include "platform/desktop/bitmap_file.h"
#include "platform/desktop/gdi_internal.h"
#include "platform/desktop/startup_timings.h"

using desktop::Bitmap;
using desktop::DcKind;
using desktop::Gdi;
using desktop::SetError;

namespace {

constexpr DWORD kErrorResourceNameNotFound = 1814;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

bool SizeIsSane(int width, int height) {
  if (width <= 0 || height <= 0 || static_cast<std::int64_t>(width) * height > kMaxPixels) {
    SetError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

Bitmap Blank(int width, int height, int bitsPerPixel) {
  Bitmap b;
  b.width = width;
  b.height = height;
  b.bitsPerPixel = bitsPerPixel;
  b.words.assign(static_cast<std::size_t>(width) * height, 0);
  return b;
}

HBITMAP LoadFromResources(ULONG_PTR id) {
  const desktop::ResourceSet* resources = desktop::Current().resources;
  if (resources) {
    for (const desktop::FileResource& file : resources->bitmaps) {
      if (file.id != id) continue;
      desktop::startup::Scope timing("artwork decode", true);
      std::optional<Bitmap> bitmap = desktop::ReadBitmapFile(file.bytes);
      if (!bitmap) break;
      return Gdi().NewBitmap(std::move(*bitmap));
    }
  }
  SetError(kErrorResourceNameNotFound);
  return nullptr;
}

}  // namespace

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height) {
  desktop::DeviceContext* dc = Gdi().FindDc(hdc);
  if (!dc) {
    SetError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (width == 0 || height == 0) return Gdi().defaultBitmap;
  if (!SizeIsSane(width, height)) return nullptr;
  int bits = 32;
  // A memory DC makes bitmaps like the one it holds: monochrome while it
  // still has its default bitmap.
  if (dc->kind == DcKind::Memory) bits = Gdi().FindBitmap(dc->bitmap)->bitsPerPixel;
  return Gdi().NewBitmap(Blank(width, height, bits));
}

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                            const void* bits) {
  if (width == 0 || height == 0) return Gdi().defaultBitmap;
  if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32)) {
    SetError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (!SizeIsSane(width, height)) return nullptr;
  Bitmap b = Blank(width, height, static_cast<int>(bitsPerPixel));
  if (bits) {
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    if (bitsPerPixel == 32) {
      std::memcpy(b.words.data(), bytes, b.words.size() * 4);
    } else {
      std::size_t stride = static_cast<std::size_t>(width + 15) / 16 * 2;  // rows of whole WORDs
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          bool white = (bytes[y * stride + x / 8] >> (7 - x % 8)) & 1;
          b.Put(x, y, white ? 0xFFFFFF : 0);
        }
      }
    }
  }
  return Gdi().NewBitmap(std::move(b));
}

HBITMAP WINAPI CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits,
                                HANDLE section, DWORD) {
  if (bits) *bits = nullptr;
  if (!info || usage != DIB_RGB_COLORS || section) {
    SetError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biBitCount != 32 ||
      h.biCompression != BI_RGB || h.biHeight == INT32_MIN ||
      !SizeIsSane(h.biWidth, h.biHeight < 0 ? -h.biHeight : h.biHeight)) {
    SetError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  Bitmap b = Blank(h.biWidth, h.biHeight < 0 ? -h.biHeight : h.biHeight, 32);
  b.dibSection = true;
  b.bottomUp = h.biHeight > 0;
  HBITMAP handle = Gdi().NewBitmap(std::move(b));
  if (bits) *bits = Gdi().FindBitmap(handle)->words.data();
  return handle;
}

int WINAPI GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
                     UINT usage) {
  Bitmap* b = Gdi().FindBitmap(bitmap);
  if (!Gdi().FindDc(hdc) || !b || !info || usage != DIB_RGB_COLORS) {
    SetError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  BITMAPINFOHEADER& h = info->bmiHeader;
  if (!bits && h.biBitCount == 0) {
    h.biWidth = b->width;
    h.biHeight = b->height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(b->bitsPerPixel);
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>((b->width * b->bitsPerPixel + 31) / 32 * 4 * b->height);
    return b->height;
  }
  if (h.biBitCount != 32 || h.biCompression != BI_RGB || h.biWidth != b->width) {
    SetError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  bool bottomUp = h.biHeight > 0;
  if (start >= static_cast<UINT>(b->height)) return 0;
  UINT count = std::min<UINT>(lines, static_cast<UINT>(b->height) - start);
  if (!bits) return static_cast<int>(count);
  auto* out = static_cast<std::uint32_t*>(bits);
  for (UINT i = 0; i < count; ++i) {
    // Line `start + i` of the DIB, counted from its first stored row.
    int line = static_cast<int>(start + i);
    int y = bottomUp ? b->height - 1 - line : line;
    std::memcpy(out + static_cast<std::size_t>(i) * b->width, b->Row(y),
                static_cast<std::size_t>(b->width) * 4);
  }
  return static_cast<int>(count);
}

HBITMAP WINAPI LoadBitmapA(HINSTANCE, LPCSTR name) {
  if (!IS_INTRESOURCE(name)) {
    SetError(kErrorResourceNameNotFound);
    return nullptr;
  }
  return LoadFromResources(reinterpret_cast<ULONG_PTR>(name));
}

HBITMAP WINAPI LoadBitmapW(HINSTANCE, LPCWSTR name) {
  if (!IS_INTRESOURCE(name)) {
    SetError(kErrorResourceNameNotFound);
    return nullptr;
  }
  return LoadFromResources(reinterpret_cast<ULONG_PTR>(name));
}
