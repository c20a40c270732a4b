#include "tools/artgen/game_logo.h"

#include "tools/artgen/paint.h"
#include "tools/artgen/palette.h"

namespace artgen {

namespace {

constexpr int kWidth = 231, kHeight = 140;
constexpr double kMiddle = kWidth / 2.0;

// The three parts of the crest, each shrunk by `inset` pixels, so that rim,
// gold band and face are the same outline at three sizes.
Shape Plaque(double inset) {
  double l = 6 + inset, r = kWidth - 6 - inset, t = 20 + inset, b = 100 - inset;
  double c = 22 - inset * 0.4;
  return Polygon({{l, t + c}, {l + c, t}, {r - c, t}, {r, t + c}, {r, b - c * 0.7},
                  {r - c, b}, {l + c, b}, {l, b - c * 0.7}});
}

Shape Gem(double inset) {
  double hw = 21 - inset * 1.4, top = 1 + inset * 1.4, bottom = 41 - inset * 1.4;
  double mid = (top + bottom) / 2;
  return Polygon({{kMiddle, top}, {kMiddle + hw, mid}, {kMiddle, bottom}, {kMiddle - hw, mid}});
}

Shape Ribbon(double inset) {
  double l = 68 + inset, r = kWidth - 68 - inset, t = 90, b = 138 - inset * 1.4;
  return Polygon({{l, t}, {r, t}, {r - 8, 118 - inset * 0.4}, {kMiddle, b},
                  {l + 8, 118 - inset * 0.4}});
}

void Rimmed(Canvas& logo, Shape (*part)(double), const Paint& face) {
  Fill(logo, part(0), palette::kGoldDark);
  Fill(logo, part(1.2), VerticalGradient(palette::kGoldLight, palette::kGold, part(1.2).top,
                                         part(1.2).bottom));
  Fill(logo, part(3), face);
}

}  // namespace

Canvas GameLogo(const Typesetter& type) {
  Canvas logo(kWidth, kHeight, palette::kShadow);

  Rimmed(logo, Ribbon, VerticalGradient(palette::kTeal, palette::kTealDeep, 90, 132));
  Lettering motto = type.Set(U"传奇再临", {12, 0.3, 1.5});
  LetterCentred(logo, motto, kMiddle, 111, Flat(palette::kGoldLight));

  Rimmed(logo, Plaque, VerticalGradient(palette::kNavyLight, palette::kNavyDeep, 20, 100));
  Fill(logo, Subtract(Plaque(5.5), Plaque(6.5)), palette::kGold, 0.55);

  Lettering name = type.Set(U"QORVAN", {40, 1.3, 3});
  const double nameY = 64;
  LetterCentred(logo, name, kMiddle + 2, nameY + 2, Flat(palette::kShadow), 0.8);
  LetterCentred(logo, name, kMiddle, nameY,
                VerticalGradient(palette::kGoldLight, palette::kGoldDark,
                                 nameY - name.height / 2.0, nameY + name.height / 2.0 + 4));

  Rimmed(logo, Gem, VerticalGradient(palette::kTealLight, palette::kTealDeep, 4, 38));
  // A light facet on the gem's upper left.
  Fill(logo, Polygon({{kMiddle, 6}, {kMiddle - 14, 21}, {kMiddle - 2, 21}}), palette::kWhite, 0.35);

  ApplyKey(logo, Mask(kWidth, kHeight, Union(Union(Plaque(0), Gem(0)), Ribbon(0))));
  return logo;
}

}  // namespace artgen
