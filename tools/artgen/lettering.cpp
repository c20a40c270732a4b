#include "tools/artgen/lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

namespace artgen {

struct Typesetter::Library {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

Typesetter::Typesetter(const std::string& fontFile) : library_(std::make_unique<Library>()) {
  if (FT_Init_FreeType(&library_->library)) throw std::runtime_error("FreeType does not start");
  if (FT_New_Face(library_->library, fontFile.c_str(), 0, &library_->face)) {
    FT_Done_FreeType(library_->library);
    throw std::runtime_error("cannot read the font " + fontFile);
  }
}

Typesetter::~Typesetter() {
  FT_Done_Face(library_->face);
  FT_Done_FreeType(library_->library);
}

namespace {

struct Placed {
  int left, top;  // of the glyph's bitmap, baseline at y = 0
  int width, rows;
  std::vector<std::uint8_t> alpha;
};

}  // namespace

Lettering Typesetter::Set(const std::u32string& text, const TextStyle& style) const {
  FT_Face face = library_->face;
  FT_Set_Pixel_Sizes(face, 0, style.pixelSize);
  const FT_Pos strength = std::lround(style.boldness * 64);

  std::vector<Placed> glyphs;
  double pen = 0;
  for (char32_t character : text) {
    if (FT_Load_Char(face, character, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL | FT_LOAD_FORCE_AUTOHINT)) continue;
    FT_GlyphSlot slot = face->glyph;
    if (strength > 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      FT_Outline_EmboldenXY(&slot->outline, strength, strength);
    }
    FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL);
    const FT_Bitmap& bitmap = slot->bitmap;
    Placed placed{static_cast<int>(std::lround(pen)) + slot->bitmap_left, -slot->bitmap_top,
                  static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), {}};
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      const unsigned char* line = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
      placed.alpha.insert(placed.alpha.end(), line, line + bitmap.width);
    }
    glyphs.push_back(std::move(placed));
    pen += slot->advance.x / 64.0 + style.boldness + style.letterSpacing;
  }

  // Trim to the ink.
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (const Placed& g : glyphs) {
    for (int y = 0; y < g.rows; ++y) {
      for (int x = 0; x < g.width; ++x) {
        if (!g.alpha[static_cast<std::size_t>(y) * g.width + x]) continue;
        left = std::min(left, g.left + x);
        right = std::max(right, g.left + x + 1);
        top = std::min(top, g.top + y);
        bottom = std::max(bottom, g.top + y + 1);
      }
    }
  }
  Lettering out;
  if (left > right) return out;
  out.width = right - left;
  out.height = bottom - top;
  out.opacity.assign(static_cast<std::size_t>(out.width) * out.height, 0);
  for (const Placed& g : glyphs) {
    for (int y = 0; y < g.rows; ++y) {
      for (int x = 0; x < g.width; ++x) {
        std::uint8_t a = g.alpha[static_cast<std::size_t>(y) * g.width + x];
        if (!a) continue;
        std::uint8_t& target = out.opacity[static_cast<std::size_t>(g.top + y - top) * out.width +
                                           (g.left + x - left)];
        target = std::max(target, a);
      }
    }
  }
  return out;
}

void Letter(Canvas& canvas, const Lettering& text, int left, int top, const Paint& paint,
            double opacity) {
  for (int y = 0; y < text.height; ++y) {
    for (int x = 0; x < text.width; ++x) {
      double a = text.At(x, y);
      if (a > 0) canvas.Blend(left + x, top + y, paint(left + x, top + y), a * opacity);
    }
  }
}

void LetterCentred(Canvas& canvas, const Lettering& text, double centreX, double centreY,
                   const Paint& paint, double opacity) {
  Letter(canvas, text, static_cast<int>(std::lround(centreX - text.width / 2.0)),
         static_cast<int>(std::lround(centreY - text.height / 2.0)), paint, opacity);
}

}  // namespace artgen
