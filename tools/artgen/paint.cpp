#include "tools/artgen/paint.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

constexpr int kSamples = 4;

// One step of red away from the key: invisible, and never see-through.
constexpr Rgb kNearKey{0x5D, 0x5C, 0x5C};

}  // namespace

Paint Flat(Rgb colour) {
  return [colour](int, int) { return colour; };
}

Paint VerticalGradient(Rgb top, Rgb bottom, double from, double to) {
  return [=](int, int y) { return Mix(top, bottom, (y + 0.5 - from) / (to - from)); };
}

double Coverage(const Shape& shape, int x, int y) {
  int inside = 0;
  for (int sy = 0; sy < kSamples; ++sy) {
    for (int sx = 0; sx < kSamples; ++sx) {
      if (shape.contains(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++inside;
    }
  }
  return static_cast<double>(inside) / (kSamples * kSamples);
}

void Fill(Canvas& canvas, const Shape& shape, const Paint& paint, double opacity) {
  int left = std::max(0, static_cast<int>(std::floor(shape.left)));
  int top = std::max(0, static_cast<int>(std::floor(shape.top)));
  int right = std::min(canvas.Width(), static_cast<int>(std::ceil(shape.right)));
  int bottom = std::min(canvas.Height(), static_cast<int>(std::ceil(shape.bottom)));
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      double coverage = Coverage(shape, x, y);
      if (coverage > 0) canvas.Blend(x, y, paint(x, y), coverage * opacity);
    }
  }
}

void Fill(Canvas& canvas, const Shape& shape, Rgb colour, double opacity) {
  Fill(canvas, shape, Flat(colour), opacity);
}

Mask::Mask(int width, int height, const Shape& shape)
    : width_(width), kept_(static_cast<std::size_t>(width) * height) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      kept_[static_cast<std::size_t>(y) * width + x] = shape.contains(x + 0.5, y + 0.5);
    }
  }
}

void ApplyKey(Canvas& canvas, const Mask& mask) {
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      Rgb& pixel = canvas.At(x, y);
      if (!mask.Keeps(x, y)) pixel = kKeyColor;
      else if (pixel == kKeyColor) pixel = kNearKey;
    }
  }
}

void AvoidKey(Canvas& canvas) {
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (canvas.At(x, y) == kKeyColor) canvas.At(x, y) = kNearKey;
    }
  }
}

}  // namespace artgen
