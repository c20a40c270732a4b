// Text set with FreeType from one outline font: a line of characters
// becomes an opacity map, trimmed to its ink, that can be laid onto a canvas
// in any colour.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tools/artgen/canvas.h"
#include "tools/artgen/paint.h"

namespace artgen {

struct Lettering {
  int width = 0, height = 0;
  std::vector<std::uint8_t> opacity;  // rows from the top, 0 to 255

  double At(int x, int y) const {
    return opacity[static_cast<std::size_t>(y) * width + x] / 255.0;
  }
};

struct TextStyle {
  int pixelSize = 12;
  double boldness = 0;      // extra stroke width in pixels
  double letterSpacing = 0; // extra pixels between characters
};

class Typesetter {
 public:
  explicit Typesetter(const std::string& fontFile);
  ~Typesetter();
  Typesetter(const Typesetter&) = delete;
  Typesetter& operator=(const Typesetter&) = delete;

  Lettering Set(const std::u32string& text, const TextStyle& style) const;

 private:
  struct Library;
  std::unique_ptr<Library> library_;
};

// Lays the lettering with its top-left ink corner at (left, top).
void Letter(Canvas& canvas, const Lettering& text, int left, int top, const Paint& paint,
            double opacity = 1);
// The same, centred on the point (the ink's centre, rounded to whole pixels).
void LetterCentred(Canvas& canvas, const Lettering& text, double centreX, double centreY,
                   const Paint& paint, double opacity = 1);

}  // namespace artgen
