#include "platform/desktop/glyph_rasterizer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "platform/desktop/codepage.h"
#include "platform/desktop/font_families.h"

namespace desktop {
namespace {

constexpr int kDefaultCellHeight = 16;
constexpr int kBoldWeight = 600;

struct FaceCloser {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FacePtr = std::unique_ptr<FT_FaceRec_, FaceCloser>;

// One character laid out: which face draws it, its glyph, where its cell starts.
struct PlacedGlyph {
  FT_Face face;
  FT_UInt index;
  int penX;
  bool embolden;  // bold asked for, and the face has no bold of its own
};

struct Layout {
  std::vector<PlacedGlyph> glyphs;
  int width = 0;
  int ascent = 0;
  int descent = 0;
};

int CeilPixels(FT_Pos value26_6) { return static_cast<int>((value26_6 + 63) >> 6); }

}  // namespace

struct GlyphRasterizer::Impl {
  FT_Library library = nullptr;
  FcConfig* config = nullptr;
  std::map<std::pair<std::string, int>, FacePtr> faces;  // by file and index

  Impl() {
    if (FT_Init_FreeType(&library) != 0) library = nullptr;
    config = FcInitLoadConfigAndFonts();
  }
  ~Impl() {
    faces.clear();  // before the library they belong to
    if (library) FT_Done_FreeType(library);
    if (config) FcConfigDestroy(config);
  }

  // The file fontconfig chooses for a Debian family at a weight.
  std::pair<std::string, int> Match(const std::string& family, bool bold) {
    if (!config) return {};
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    std::pair<std::string, int> found;
    if (match) {
      FcChar8* file = nullptr;
      int index = 0;
      if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        found = {reinterpret_cast<const char*>(file), index};
      }
      FcPatternDestroy(match);
    }
    return found;
  }

  FT_Face Open(const std::pair<std::string, int>& file) {
    if (!library || file.first.empty()) return nullptr;
    FacePtr& slot = faces[file];
    if (!slot) {
      FT_Face face = nullptr;
      if (FT_New_Face(library, file.first.c_str(), file.second, &face) != 0) return nullptr;
      slot.reset(face);
    }
    return slot.get();
  }

  // Sets the face to the request's size: a character height, or a cell height.
  static void Size(FT_Face face, int height, int cellHeight) {
    if (height < 0) {
      FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(-height));
      return;
    }
    int units = std::max(1, face->ascender - face->descender);
    int em = std::max(1, cellHeight * face->units_per_EM / units);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em));
  }

  bool IsBoldFace(FT_Face face) const { return (face->style_flags & FT_STYLE_FLAG_BOLD) != 0; }

  Layout Lay(const FontRequest& font, const std::string& text) {
    Layout layout;
    bool bold = font.weight >= kBoldWeight;
    FT_Face latin = Open(Match(LatinFamilyFor(font.faceName), bold));
    FT_Face chinese = Open(Match(ChineseFamilyFor(font.faceName), bold));
    if (!latin) latin = chinese;
    if (!chinese) chinese = latin;
    if (!latin) return layout;
    int cell = font.height > 0 ? font.height : kDefaultCellHeight;
    // Both faces take the request's size; the cell holds either face's glyphs.
    for (FT_Face face : {latin, chinese}) {
      Size(face, font.height, cell);
      layout.ascent = std::max(layout.ascent, CeilPixels(face->size->metrics.ascender));
      layout.descent = std::max(layout.descent, CeilPixels(-face->size->metrics.descender));
    }
    int penX = 0;
    for (char16_t c : Cp936ToUtf16(text)) {
      FT_Face face = latin;
      FT_UInt index = FT_Get_Char_Index(latin, c);
      if (index == 0 && chinese != latin) {
        if (FT_UInt other = FT_Get_Char_Index(chinese, c)) face = chinese, index = other;
      }
      if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP) != 0) continue;
      bool embolden = bold && !IsBoldFace(face);
      if (embolden) FT_GlyphSlot_Embolden(face->glyph);
      layout.glyphs.push_back({face, index, penX, embolden});
      penX += static_cast<int>((face->glyph->advance.x + 32) >> 6);
    }
    layout.width = penX;
    return layout;
  }
};

GlyphRasterizer::GlyphRasterizer() : impl_(std::make_unique<Impl>()) {}
GlyphRasterizer::~GlyphRasterizer() = default;

bool GlyphRasterizer::Available() const {
  return impl_->library && impl_->config && !impl_->Match(LatinFamilyFor("Arial"), false).first.empty();
}

SIZE GlyphRasterizer::TextExtent(const FontRequest& font, const std::string& cp936Text) {
  Layout layout = impl_->Lay(font, cp936Text);
  return SIZE{layout.width, layout.ascent + layout.descent};
}

TextMetrics GlyphRasterizer::Metrics(const FontRequest& font) {
  Layout latin = impl_->Lay(font, "x");
  Layout chinese = impl_->Lay(font, "国");
  return TextMetrics{latin.ascent, latin.descent, latin.width, std::max(latin.width, chinese.width)};
}

namespace {

void Blend(std::uint8_t* pixel, DWORD colour, unsigned coverage) {
  const unsigned source[3] = {(colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF};  // B, G, R
  for (int i = 0; i < 3; ++i) {
    unsigned dst = pixel[i];
    pixel[i] = static_cast<std::uint8_t>((source[i] * coverage + dst * (255 - coverage) + 127) / 255);
  }
}

}  // namespace

SIZE GlyphRasterizer::DrawText(const FontRequest& font, const std::string& cp936Text, int x, int y,
                               DWORD colour, const PixelBuffer& target, const RECT& clip) {
  Layout layout = impl_->Lay(font, cp936Text);
  SIZE extent{layout.width, layout.ascent + layout.descent};
  // Pixels may change inside the clip, the buffer and the text's cells alone.
  int left = std::max({static_cast<int>(clip.left), 0, x});
  int top = std::max({static_cast<int>(clip.top), 0, y});
  int right = std::min({static_cast<int>(clip.right), target.width, x + static_cast<int>(extent.cx)});
  int bottom = std::min({static_cast<int>(clip.bottom), target.height, y + static_cast<int>(extent.cy)});
  if (!target.pixels || left >= right || top >= bottom) return extent;
  int baseline = y + layout.ascent;
  for (const PlacedGlyph& placed : layout.glyphs) {
    FT_Face face = placed.face;
    if (FT_Load_Glyph(face, placed.index, FT_LOAD_NO_BITMAP) != 0) continue;
    if (placed.embolden) FT_GlyphSlot_Embolden(face->glyph);
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) continue;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) continue;
    int originX = x + placed.penX + face->glyph->bitmap_left;
    int originY = baseline - face->glyph->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      int py = originY + static_cast<int>(row);
      if (py < top || py >= bottom) continue;
      const unsigned char* coverage = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
      std::uint8_t* line = target.pixels + static_cast<std::ptrdiff_t>(py) * target.stride;
      for (unsigned column = 0; column < bitmap.width; ++column) {
        int px = originX + static_cast<int>(column);
        if (px < left || px >= right || coverage[column] == 0) continue;
        Blend(line + static_cast<std::ptrdiff_t>(px) * 4, colour, coverage[column]);
      }
    }
  }
  return extent;
}

std::string GlyphRasterizer::FontFileFor(const FontRequest& font, bool chinese) {
  bool bold = font.weight >= kBoldWeight;
  return impl_->Match(chinese ? ChineseFamilyFor(font.faceName) : LatinFamilyFor(font.faceName), bold)
      .first;
}

}  // namespace desktop
