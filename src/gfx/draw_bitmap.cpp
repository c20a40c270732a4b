#include "gfx/draw_bitmap.h"

namespace {

// Selects the bitmap into a memory DC for the copy and releases it after.
template <typename Copy>
void WithBitmapSelected(HBITMAP bitmap, HDC target, Copy copy) {
  if (!bitmap) return;
  HDC source = CreateCompatibleDC(target);
  if (!source) return;
  HGDIOBJ old = SelectObject(source, bitmap);
  BITMAP bm{};
  GetObjectA(bitmap, sizeof bm, &bm);
  copy(source, bm.bmWidth, bm.bmHeight);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace

void DrawBitmap(HBITMAP bitmap, HDC target, int x, int y) {
  WithBitmapSelected(bitmap, target, [&](HDC source, LONG width, LONG height) {
    BitBlt(target, x, y, width, height, source, 0, 0, SRCCOPY);
  });
}

void DrawBitmapTransparent(HBITMAP bitmap, HDC target, COLORREF key, int x, int y) {
  WithBitmapSelected(bitmap, target, [&](HDC source, LONG width, LONG height) {
    TransparentBlt(target, x, y, width, height, source, 0, 0, width, height, key);
  });
}
