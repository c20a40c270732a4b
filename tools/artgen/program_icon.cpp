#include "tools/artgen/program_icon.h"

#include <cmath>

#include "tools/artgen/paint.h"
#include "tools/artgen/palette.h"

namespace artgen {

TranslucentPicture ProgramIcon(const Typesetter& type) {
  constexpr int kSize = 64;
  const Shape outline = RoundedRectangle(2, 2, 62, 62, 13);

  Canvas colour(kSize, kSize, palette::kGoldDark);
  Fill(colour, RoundedRectangle(3.5, 3.5, 60.5, 60.5, 11.5), palette::kGold);
  Fill(colour, RoundedRectangle(6, 6, 58, 58, 9),
       VerticalGradient(palette::kNavyLight, palette::kNavyDeep, 6, 58));
  // A teal gem behind the letter, and the letter in gold.
  Fill(colour, Polygon({{32, 10}, {52, 32}, {32, 54}, {12, 32}}),
       VerticalGradient(palette::kTeal, palette::kTealDeep, 10, 54), 0.85);
  Lettering letter = type.Set(U"Q", {42, 1.6, 0});
  LetterCentred(colour, letter, 33, 33, Flat(palette::kShadow), 0.8);
  LetterCentred(colour, letter, 32, 32,
                VerticalGradient(palette::kGoldLight, palette::kGold, 14, 50));

  TranslucentPicture icon{std::move(colour), std::vector<std::uint8_t>(kSize * kSize)};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      icon.opacity[static_cast<std::size_t>(y) * kSize + x] =
          static_cast<std::uint8_t>(std::lround(Coverage(outline, x, y) * 255));
      // Fully clear pixels carry no colour.
      if (icon.opacity[static_cast<std::size_t>(y) * kSize + x] == 0) icon.colour.At(x, y) = {};
    }
  }
  return icon;
}

}  // namespace artgen
