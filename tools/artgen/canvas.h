// A picture in memory: 8-bit red, green and blue per pixel, rows from the
// top. Everything the generator draws lands on one of these.
#pragma once

#include <cstdint>
#include <vector>

namespace artgen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// The see-through colour of the program's shaped windows and buttons.
inline constexpr Rgb kKeyColor{0x5C, 0x5C, 0x5C};

// `amount` of `over` on top of `under` (0 keeps `under`, 1 gives `over`).
Rgb Mix(Rgb under, Rgb over, double amount);
Rgb Scale(Rgb colour, double factor);

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgb& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

  // Lays `colour` over the pixel with the given opacity; outside, nothing.
  void Blend(int x, int y, Rgb colour, double opacity);

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
};

}  // namespace artgen
