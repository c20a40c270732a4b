// Filling shapes onto a canvas, smoothed by 4 × 4 samples a pixel, and the
// hard-edged masks that decide which pixels of a shaped picture are key.
#pragma once

#include <functional>
#include <vector>

#include "tools/artgen/canvas.h"
#include "tools/artgen/shapes.h"

namespace artgen {

// The colour of a fill at a pixel: flat, a gradient, a texture.
using Paint = std::function<Rgb(int x, int y)>;

Paint Flat(Rgb colour);
// From `top` at row `from` to `bottom` at row `to`, constant beyond.
Paint VerticalGradient(Rgb top, Rgb bottom, double from, double to);

// Share of the pixel's area inside the shape, 0 to 1.
double Coverage(const Shape& shape, int x, int y);

void Fill(Canvas& canvas, const Shape& shape, const Paint& paint, double opacity = 1);
void Fill(Canvas& canvas, const Shape& shape, Rgb colour, double opacity = 1);

// Which pixels a shaped picture keeps: those whose centre lies in the shape.
class Mask {
 public:
  Mask(int width, int height, const Shape& shape);
  bool Keeps(int x, int y) const { return kept_[static_cast<std::size_t>(y) * width_ + x]; }

 private:
  int width_;
  std::vector<bool> kept_;
};

// Turns every pixel the mask drops into the key colour and nudges kept
// pixels that happen to equal it, so that only the mask decides the shape.
void ApplyKey(Canvas& canvas, const Mask& mask);
// For pictures without see-through pixels.
void AvoidKey(Canvas& canvas);

}  // namespace artgen
