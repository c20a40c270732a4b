#include "platform/desktop/gtk/window_shape.h"

#include "platform/desktop/gdi_internal.h"

namespace desktop::gtk {

Region ShownShape(Window& w) {
  Bitmap& pixels = SurfaceOf(w);
  Region shape = Region::FromRect(RECT{0, 0, pixels.width, pixels.height});
  if (w.gfx.region) {
    if (const Region* region = Gdi().FindRegion(w.gfx.region)) {
      shape = Region::Combine(shape, *region, Region::Op::And);
    }
  }
  if (!w.gfx.layered || !(w.gfx.layeredFlags & LWA_COLORKEY)) return shape;

  // Runs of non-key pixels, row by row, built top to bottom.
  std::uint32_t key = WordOf(w.gfx.colorKey);
  Region opaque;
  for (int y = 0; y < pixels.height; ++y) {
    const std::uint32_t* row = pixels.Row(y);
    std::vector<RECT> runs;
    int x = 0;
    while (x < pixels.width) {
      while (x < pixels.width && (row[x] & 0x00FFFFFF) == key) ++x;
      int start = x;
      while (x < pixels.width && (row[x] & 0x00FFFFFF) != key) ++x;
      if (x > start) runs.push_back(RECT{start, y, x, y + 1});
    }
    if (!runs.empty()) opaque.Unite(Region::FromRects(runs));
  }
  return Region::Combine(shape, opaque, Region::Op::And);
}

}  // namespace desktop::gtk
