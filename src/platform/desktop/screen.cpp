// The screen: top-level windows composed bottom first, each through its
// window region and its layered colour key or opacity.
#include "platform/desktop/screen.h"

#include "platform/desktop/gdi_internal.h"
#include "platform/desktop/png_writer.h"

namespace desktop {

namespace {

constexpr COLORREF kDesktopColour = RGB(58, 110, 165);

std::uint32_t Blend(std::uint32_t over, std::uint32_t under, unsigned alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    unsigned a = (over >> shift) & 0xFF, b = (under >> shift) & 0xFF;
    out |= ((a * alpha + b * (255 - alpha)) / 255) << shift;
  }
  return out;
}

void Draw(Bitmap& screen, Window& w) {
  Bitmap& pixels = SurfaceOf(w);
  const Region* region = w.gfx.region ? Gdi().FindRegion(w.gfx.region) : nullptr;
  bool keyed = w.gfx.layered && (w.gfx.layeredFlags & LWA_COLORKEY);
  bool blended = w.gfx.layered && (w.gfx.layeredFlags & LWA_ALPHA) && w.gfx.alpha != 255;
  std::uint32_t key = WordOf(w.gfx.colorKey);
  RECT onScreen{std::max<LONG>(w.rect.left, 0), std::max<LONG>(w.rect.top, 0),
                std::min<LONG>(w.rect.right, screen.width),
                std::min<LONG>(w.rect.bottom, screen.height)};
  for (LONG y = onScreen.top; y < onScreen.bottom; ++y) {
    for (LONG x = onScreen.left; x < onScreen.right; ++x) {
      LONG wx = x - w.rect.left, wy = y - w.rect.top;
      if (region && !region->Contains(wx, wy)) continue;
      std::uint32_t word = pixels.At(wx, wy) & 0x00FFFFFF;
      if (keyed && word == key) continue;
      screen.Put(x, y, blended ? Blend(word, screen.At(x, y), w.gfx.alpha) : word);
    }
  }
}

}  // namespace

Bitmap ComposeScreen() {
  State& s = Current();
  Bitmap screen;
  screen.width = s.screenWidth;
  screen.height = s.screenHeight;
  screen.words.assign(static_cast<std::size_t>(screen.width) * screen.height,
                      WordOf(kDesktopColour));
  for (auto it = s.topLevels.rbegin(); it != s.topLevels.rend(); ++it) {
    Window* w = s.Find(*it);
    if (w && (w->style & WS_VISIBLE)) Draw(screen, *w);
  }
  return screen;
}

COLORREF ScreenPixel(int x, int y) {
  Bitmap screen = ComposeScreen();
  if (x < 0 || y < 0 || x >= screen.width || y >= screen.height) return CLR_INVALID;
  return ColorOf(screen.At(x, y));
}

bool WriteScreenPng(const std::string& path) {
  Bitmap screen = ComposeScreen();
  return WritePng(path, screen, RECT{0, 0, screen.width, screen.height});
}

bool WriteWindowPng(HWND hwnd, const std::string& path) {
  Window* w = Current().Find(hwnd);
  Window* top = w ? Current().Find(TopLevelOf(hwnd)) : nullptr;
  if (!top) return false;
  Bitmap& pixels = SurfaceOf(*top);
  POINT origin = OriginOnSurface(*w, false);
  RECT area{origin.x, origin.y, origin.x + (w->rect.right - w->rect.left),
            origin.y + (w->rect.bottom - w->rect.top)};
  area.left = std::max<LONG>(area.left, 0);
  area.top = std::max<LONG>(area.top, 0);
  area.right = std::min<LONG>(area.right, pixels.width);
  area.bottom = std::min<LONG>(area.bottom, pixels.height);
  return WritePng(path, pixels, area);
}

bool WindowRegionContains(HWND hwnd, POINT screenPoint) {
  Window* w = Current().Find(hwnd);
  if (!w || !w->gfx.region) return w != nullptr;
  const Region* region = Gdi().FindRegion(w->gfx.region);
  Window* top = Current().Find(TopLevelOf(hwnd));
  if (!region || !top) return true;
  POINT origin = OriginOnSurface(*w, false);
  return region->Contains(screenPoint.x - top->rect.left - origin.x,
                          screenPoint.y - top->rect.top - origin.y);
}

bool LayeredKeyShowsThrough(HWND topLevel, POINT screenPoint) {
  Window* w = Current().Find(topLevel);
  if (!w || !w->gfx.layered || !(w->gfx.layeredFlags & LWA_COLORKEY)) return false;
  LONG wx = screenPoint.x - w->rect.left, wy = screenPoint.y - w->rect.top;
  Bitmap& pixels = SurfaceOf(*w);
  if (wx < 0 || wy < 0 || wx >= pixels.width || wy >= pixels.height) return false;
  return (pixels.At(wx, wy) & 0x00FFFFFF) == WordOf(w->gfx.colorKey);
}

int BlitsOntoWindow(HWND hwnd) {
  auto it = Gdi().blitsOntoWindow.find(hwnd);
  return it == Gdi().blitsOntoWindow.end() ? 0 : it->second;
}

}  // namespace desktop
