#include "tools/artgen/launcher_buttons.h"

#include "tools/artgen/paint.h"
#include "tools/artgen/palette.h"

namespace artgen {

namespace {

constexpr double kRoundRadius = 11;

struct RoundColours {
  Rgb top, bottom, glyph;
};

RoundColours ColoursFor(Look look, bool warmHover) {
  switch (look) {
    case Look::kHover:
      return warmHover ? RoundColours{palette::kEmberLight, palette::kEmber, palette::kWhite}
                       : RoundColours{palette::kTealLight, palette::kTeal, palette::kWhite};
    case Look::kPressed:
      return {palette::kNavyDeep, palette::kNight, palette::kGold};
    case Look::kNormal:
      break;
  }
  return {palette::kNavyLight, palette::kNavyDeep, palette::kIvory};
}

// A gold-rimmed disc centred on (cx, cy) with its glyph; the glyph of a
// pressed button sinks by a pixel.
Canvas RoundButton(int size, double cx, double cy, Look look, bool warmHover,
                   void (*glyph)(Canvas&, double cx, double cy, Rgb colour)) {
  Canvas picture(size, size, palette::kShadow);
  RoundColours colours = ColoursFor(look, warmHover);
  Fill(picture, Disc(cx, cy, kRoundRadius), palette::kGoldDark);
  Fill(picture, Disc(cx, cy, kRoundRadius - 0.8), palette::kGold);
  Fill(picture, Disc(cx, cy, kRoundRadius - 2),
       VerticalGradient(colours.top, colours.bottom, cy - kRoundRadius, cy + kRoundRadius));
  double sink = look == Look::kPressed ? 1 : 0;
  glyph(picture, cx, cy + sink, colours.glyph);
  ApplyKey(picture, Mask(size, size, Disc(cx, cy, kRoundRadius)));
  return picture;
}

void Cross(Canvas& picture, double cx, double cy, Rgb colour) {
  constexpr double arm = 4.2;
  Fill(picture, Stroke({cx - arm, cy - arm}, {cx + arm, cy + arm}, 2.2), colour);
  Fill(picture, Stroke({cx + arm, cy - arm}, {cx - arm, cy + arm}, 2.2), colour);
}

void Bar(Canvas& picture, double cx, double cy, Rgb colour) {
  Fill(picture, Stroke({cx - 5, cy + 0.5}, {cx + 5, cy + 0.5}, 2.4), colour);
}

}  // namespace

// Both round buttons sit with their centres on screen row 148 of the
// launcher: the close picture starts at row 128, the minimise one at 136.
Canvas LauncherCloseButton(Look look) { return RoundButton(33, 16.5, 20, look, true, Cross); }

Canvas LauncherMinimizeButton(Look look) { return RoundButton(30, 15, 12, look, false, Bar); }

Canvas PortalLinkButton(const Typesetter& type, const std::u32string& label, Look look) {
  constexpr int kWidth = 78, kHeight = 23;
  const Shape outline = RoundedRectangle(0, 0, kWidth, kHeight, 6);
  Canvas picture(kWidth, kHeight, palette::kShadow);

  Rgb top = palette::kNavyLight, bottom = palette::kNavyDeep, text = palette::kGoldLight;
  Rgb rim = palette::kGoldDark;
  if (look == Look::kHover) {
    top = palette::kTealLight;
    bottom = palette::kTealDeep;
    text = palette::kWhite;
    rim = palette::kGold;
  } else if (look == Look::kPressed) {
    top = palette::kNight;
    bottom = palette::kNavyDeep;
    text = palette::kGold;
  }
  Fill(picture, outline, rim);
  Fill(picture, RoundedRectangle(1, 1, kWidth - 1, kHeight - 1, 5),
       VerticalGradient(top, bottom, 1, kHeight - 1));
  if (look != Look::kPressed) {
    Fill(picture, Rectangle(5, 1, kWidth - 5, 2), palette::kWhite, 0.18);
  }

  const double sink = look == Look::kPressed ? 1 : 0;
  // A small gold diamond at each end of the label.
  for (double x : {7.0, kWidth - 7.0}) {
    Fill(picture, Polygon({{x, 8.5 + sink}, {x + 2.5, 11.5 + sink}, {x, 14.5 + sink},
                           {x - 2.5, 11.5 + sink}}),
         palette::kGold);
  }
  // The label with a soft shadow one pixel below it.
  Lettering name = type.Set(label, {13, 0.2, 0.5});
  const int left = (kWidth - name.width) / 2;
  const int row = (kHeight - name.height) / 2 + static_cast<int>(sink);
  Letter(picture, name, left, row + 1, Flat(palette::kShadow), 0.6);
  Letter(picture, name, left, row, Flat(text));

  ApplyKey(picture, Mask(kWidth, kHeight, outline));
  return picture;
}

}  // namespace artgen
