// Real glyphs for text in code page 936: faces found through fontconfig
// among Debian's fonts, rendered by FreeType and blended onto 32-bit pixels.
// What TextOutA and GetTextExtentPoint32A draw and measure with.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/api/win_types.h"

namespace desktop {

// The font as the program asks for it (LOGFONTA's terms): a face name in
// code page 936 ("Arial", "宋体", ...), a height (negative: the character
// height in pixels; positive: the cell height; 0: a default), a weight
// (400 normal, 700 bold).
struct FontRequest {
  std::string faceName;
  int height = 0;
  int weight = 400;
};

// 32-bit pixels, blue, green, red and a fourth byte, rows top first.
struct PixelBuffer {
  std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // bytes from one row to the next
};

// What GetTextMetricsA reports of a font, in pixels.
struct TextMetrics {
  int ascent = 0;
  int descent = 0;
  int averageCharWidth = 0;  // the advance of "x"
  int maxCharWidth = 0;      // the advance of a Chinese character
};

class GlyphRasterizer {
 public:
  GlyphRasterizer();
  ~GlyphRasterizer();
  GlyphRasterizer(const GlyphRasterizer&) = delete;
  GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;

  // Whether fonts were found at all; without them text measures 0 × 0 and
  // draws nothing.
  bool Available() const;

  // The size of the text's cells: the sum of the advances, the font's cell
  // height.
  SIZE TextExtent(const FontRequest& font, const std::string& cp936Text);

  TextMetrics Metrics(const FontRequest& font);

  // Draws the text with the top-left corner of its first cell at (x, y)
  // in `colour` (0x00BBGGRR), blending each glyph's coverage onto the
  // pixels inside `clip` (and inside the text's cells); the fourth byte of
  // each pixel is left as it was. Answers the extent, as TextExtent.
  SIZE DrawText(const FontRequest& font, const std::string& cp936Text, int x, int y, DWORD colour,
                const PixelBuffer& target, const RECT& clip);

  // The font file that draws the face's Latin and Chinese characters.
  std::string FontFileFor(const FontRequest& font, bool chinese);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace desktop
