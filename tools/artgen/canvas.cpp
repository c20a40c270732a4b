#include "tools/artgen/canvas.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

std::uint8_t Channel(double value) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

Rgb Mix(Rgb under, Rgb over, double amount) {
  amount = std::clamp(amount, 0.0, 1.0);
  return {Channel(under.r + (over.r - under.r) * amount),
          Channel(under.g + (over.g - under.g) * amount),
          Channel(under.b + (over.b - under.b) * amount)};
}

Rgb Scale(Rgb colour, double factor) {
  return {Channel(colour.r * factor), Channel(colour.g * factor), Channel(colour.b * factor)};
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, Rgb colour, double opacity) {
  if (!Contains(x, y) || opacity <= 0) return;
  Rgb& pixel = At(x, y);
  pixel = Mix(pixel, colour, opacity);
}

}  // namespace artgen
