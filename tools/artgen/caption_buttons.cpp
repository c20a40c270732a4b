#include "tools/artgen/caption_buttons.h"

#include "tools/artgen/paint.h"
#include "tools/artgen/palette.h"

namespace artgen {

namespace {

constexpr int kHeight = 18;
constexpr double kLine = 1.6;
constexpr Rgb kGlyph{236, 241, 248};

// The tile sits on the title bar: its rounded corners show the bar's colour.
Canvas Tile(int width, Look look) {
  const bool bright = look == Look::kHover;
  Canvas tile(width, kHeight, palette::kTitleBar);
  Rgb top = bright ? palette::kTileBlueBright : palette::kTileBlue;
  Rgb bottom = bright ? palette::kTileBlueBrightDeep : palette::kTileBlueDeep;
  Fill(tile, RoundedRectangle(0, 0, width, kHeight, 3), Mix(top, palette::kWhite, 0.15));
  Fill(tile, RoundedRectangle(1, 1, width - 1, kHeight - 1, 2),
       VerticalGradient(top, bottom, 1, kHeight - 1));
  // A thin light line along the top edge, as on a glass key.
  Fill(tile, Rectangle(3, 1, width - 3, 2), palette::kWhite, bright ? 0.30 : 0.16);
  return tile;
}

void Draw(Canvas& tile, const Shape& shape) { Fill(tile, shape, kGlyph); }

// Window outline: a 2-pixel title rail and 1-pixel sides.
Shape WindowOutline(double left, double top, double right, double bottom) {
  return Subtract(Rectangle(left, top, right, bottom),
                  Rectangle(left + 1, top + 2.5, right - 1, bottom - 1));
}

}  // namespace

Canvas CaptionGlyphButton(CaptionGlyph glyph, Look look) {
  Canvas tile = Tile(kHeight, look);
  switch (glyph) {
    case CaptionGlyph::kClose:
      Draw(tile, Stroke({5.5, 5.5}, {12.5, 12.5}, kLine));
      Draw(tile, Stroke({12.5, 5.5}, {5.5, 12.5}, kLine));
      break;
    case CaptionGlyph::kMaximize:
      Draw(tile, WindowOutline(4, 4, 14, 14));
      break;
    case CaptionGlyph::kRestore:
      Draw(tile, Subtract(WindowOutline(6, 3, 15, 11), Rectangle(4, 6, 12, 15)));
      Draw(tile, WindowOutline(3, 6, 12, 15));
      break;
    case CaptionGlyph::kMinimize:
      Draw(tile, Rectangle(4, 11, 14, 13));
      break;
    case CaptionGlyph::kTray:
      // An arrow pointing down into an open tray.
      Draw(tile, Stroke({9, 3.5}, {9, 9.5}, kLine));
      Draw(tile, Polygon({{5.5, 7.5}, {12.5, 7.5}, {9, 11.5}}));
      Draw(tile, Subtract(Rectangle(3, 10, 15, 15), Rectangle(4.5, 9, 13.5, 13.5)));
      break;
  }
  AvoidKey(tile);
  return tile;
}

Canvas CaptionLabelButton(const Typesetter& type, const std::u32string& label, Look look) {
  Canvas tile = Tile(38, look);
  Lettering text = type.Set(label, {12, 0, 1});
  LetterCentred(tile, text, 19, 9.5, Flat(kGlyph));
  AvoidKey(tile);
  return tile;
}

}  // namespace artgen
