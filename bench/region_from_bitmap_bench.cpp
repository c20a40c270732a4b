// CreateRegionFromBitmap on seven button-sized shaped pictures (up to
// 231 x 140, rounded see-through corners and a see-through glyph) and on a
// 1920 x 1080 picture with many runs, on the portable desktop. Reported as
// nanoseconds per pixel and as a ratio to one plain pass reading the same
// 32-bit pixels and testing them for the key, measured in the same run. The
// last line is the ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "gfx/region_from_bitmap.h"
#include "platform/desktop/session.h"

namespace {

constexpr DWORD kKey = 0x5C5C5C;

struct Picture {
  int width;
  int height;
  std::vector<DWORD> pixels;  // 0x00RRGGBB, top row first
};

// A button: rounded corners of radius 12 and a see-through ring in the middle.
Picture Button(int width, int height) {
  Picture p{width, height, std::vector<DWORD>(static_cast<std::size_t>(width) * height)};
  const int r = 12;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int cx = std::clamp(x, r, width - 1 - r), cy = std::clamp(y, r, height - 1 - r);
      bool outside = (x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r;
      int mx = x - width / 2, my = y - height / 2, d = mx * mx + my * my;
      bool ring = d > 400 && d < 700;
      p.pixels[static_cast<std::size_t>(y) * width + x] =
          outside || ring ? kKey : 0x203040 + static_cast<DWORD>((x + y) & 0x3F);
    }
  }
  return p;
}

// Key pixels scattered so that every row holds a few hundred runs.
Picture ManyRuns(int width, int height) {
  Picture p{width, height, std::vector<DWORD>(static_cast<std::size_t>(width) * height)};
  unsigned seed = 12345;
  for (DWORD& pixel : p.pixels) {
    seed = seed * 1103515245 + 12345;
    pixel = (seed >> 16) % 7 == 0 ? kKey : 0x806040;
  }
  return p;
}

// The picture as the program has it: a device-dependent bitmap.
HBITMAP ToBitmap(HDC screen, const Picture& p, HBITMAP* dibOut, DWORD** bitsOut) {
  BITMAPINFO info{};
  info.bmiHeader =
      BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::copy(p.pixels.begin(), p.pixels.end(), static_cast<DWORD*>(bits));
  HBITMAP ddb = CreateCompatibleBitmap(screen, p.width, p.height);
  HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
  HGDIOBJ oldFrom = SelectObject(from, dib), oldTo = SelectObject(to, ddb);
  BitBlt(to, 0, 0, p.width, p.height, from, 0, 0, SRCCOPY);
  SelectObject(from, oldFrom);
  SelectObject(to, oldTo);
  DeleteDC(from);
  DeleteDC(to);
  *dibOut = dib;
  *bitsOut = static_cast<DWORD*>(bits);
  return ddb;
}

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Timing {
  double region = 0;
  double plain = 0;
  long long pixels = 0;
};

Timing Measure(HDC screen, const std::vector<Picture>& pictures, int rounds) {
  std::vector<HBITMAP> bitmaps, dibs;
  std::vector<DWORD*> bits;
  for (const Picture& p : pictures) {
    HBITMAP dib = nullptr;
    DWORD* b = nullptr;
    bitmaps.push_back(ToBitmap(screen, p, &dib, &b));
    dibs.push_back(dib);
    bits.push_back(b);
  }
  Timing best{1e9, 1e9, 0};
  volatile long long sink = 0;
  for (int round = 0; round < rounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    for (HBITMAP bitmap : bitmaps) DeleteObject(CreateRegionFromBitmap(bitmap));
    best.region = std::min(best.region, Seconds(start));

    start = std::chrono::steady_clock::now();
    long long keys = 0;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      const auto* bytes = reinterpret_cast<const BYTE*>(bits[i]);
      std::size_t count = pictures[i].pixels.size();
      for (std::size_t k = 0; k < count; ++k) {
        const BYTE* px = bytes + 4 * k;
        keys += px[0] == 0x5C && px[1] == 0x5C && px[2] == 0x5C;
      }
    }
    sink = sink + keys;
    best.plain = std::min(best.plain, Seconds(start));
  }
  for (const Picture& p : pictures) best.pixels += static_cast<long long>(p.pixels.size());
  for (HBITMAP b : bitmaps) DeleteObject(b);
  for (HBITMAP b : dibs) DeleteObject(b);
  return best;
}

void Report(const char* name, const Timing& t) {
  std::printf("%s: %.2f ns/pixel, plain pass %.2f ns/pixel, ratio %.2f\n", name,
              1e9 * t.region / static_cast<double>(t.pixels),
              1e9 * t.plain / static_cast<double>(t.pixels), t.region / t.plain);
}

}  // namespace

int main() {
  desktop::Session session;
  HDC screen = GetDC(nullptr);
  std::vector<Picture> buttons = {Button(231, 140), Button(120, 40), Button(120, 40),
                                  Button(88, 30),   Button(88, 30),  Button(60, 60),
                                  Button(30, 30)};
  Timing small = Measure(screen, buttons, 50);
  Timing large = Measure(screen, {ManyRuns(1920, 1080)}, 9);
  ReleaseDC(nullptr, screen);
  Report("seven button pictures", small);
  Report("1920 x 1080, many runs", large);
  double total = (small.region + large.region) / (small.plain + large.plain);
  std::printf("%.2f\n", total);
  return 0;
}
