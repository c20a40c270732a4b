#include "tools/artgen/launcher_background.h"

#include <cmath>
#include <cstdint>

#include "tools/artgen/paint.h"
#include "tools/artgen/palette.h"

namespace artgen {

namespace {

constexpr double kBodyLeft = 232, kBodyTop = 116, kBodyRight = 996, kBodyBottom = 598;
constexpr double kBannerLeft = 22, kBannerRight = 246, kBannerMiddle = 134;

Shape Body(double inset) {
  return RoundedRectangle(kBodyLeft + inset, kBodyTop + inset, kBodyRight - inset,
                          kBodyBottom - inset, 16 - inset);
}

Shape Banner(double inset) {
  double l = kBannerLeft + inset, r = kBannerRight - inset;
  return Polygon({{l, 62}, {r, 62}, {r, 548 - inset * 0.5}, {kBannerMiddle, 590 - inset * 1.6},
                  {l, 548 - inset * 0.5}});
}

Shape Rod() {
  return Union(RoundedRectangle(16, 55, 252, 67, 6),
               Union(Disc(14, 61, 9), Disc(254, 61, 9)));
}

// A fine diagonal lattice, barely there, so that the body does not look flat.
void Lattice(Canvas& canvas, const Shape& area, Rgb colour, double opacity) {
  for (int y = static_cast<int>(area.top); y < static_cast<int>(area.bottom); ++y) {
    for (int x = static_cast<int>(area.left); x < static_cast<int>(area.right); ++x) {
      if (((x + y) % 28 == 0 || (x - y + 2800) % 28 == 0) && area.contains(x + 0.5, y + 0.5)) {
        canvas.Blend(x, y, colour, opacity);
      }
    }
  }
}

void Diamond(Canvas& canvas, double cx, double cy, double size, Rgb colour) {
  Fill(canvas, Polygon({{cx, cy - size}, {cx + size, cy}, {cx, cy + size}, {cx - size, cy}}),
       colour);
}

void PaintBody(Canvas& canvas, const Typesetter& type) {
  Fill(canvas, Body(0), palette::kGoldDark);
  Fill(canvas, Body(1.5), palette::kGold);
  Fill(canvas, Body(3), VerticalGradient({20, 42, 72}, palette::kNavyDeep, kBodyTop, kBodyBottom));
  Lattice(canvas, Body(4), palette::kTeal, 0.10);

  // The band the buttons sit on.
  Fill(canvas, Intersect(Body(3), Rectangle(kBodyLeft, kBodyTop, kBodyRight, 160)),
       VerticalGradient({34, 68, 108}, {18, 38, 66}, kBodyTop, 160));
  Fill(canvas, Rectangle(248, 159, 912, 160), palette::kGold, 0.75);
  for (double x : {429.5, 803.0}) Diamond(canvas, x, 143.5, 4, palette::kGold);
  Fill(canvas, Rectangle(258, 143, 314, 144), palette::kGold, 0.6);
  Diamond(canvas, 254, 143.5, 3, palette::kGold);

  // The panel under the login page: a gold line, a dark margin, the panel.
  const PixelRect& page = kLoginPageRect;
  Fill(canvas, Rectangle(page.left - 6, page.top - 4, page.right + 6, page.bottom + 6),
       palette::kShadow, 0.5);
  Fill(canvas, Rectangle(page.left - 3, page.top - 3, page.right + 3, page.bottom + 3),
       palette::kGold);
  Fill(canvas, Rectangle(page.left - 2, page.top - 2, page.right + 2, page.bottom + 2),
       palette::kNight);
  Fill(canvas, Rectangle(page.left, page.top, page.right, page.bottom), palette::kPagePanel);
  // A faint watermark of the game's name, seen while the page loads.
  Lettering name = type.Set(U"QORVAN", {64, 1, 8});
  LetterCentred(canvas, name, (page.left + page.right) / 2.0, (page.top + page.bottom) / 2.0,
                Flat(palette::kNavyLight), 0.5);
}

// Deterministic scattered stars.
void Stars(Canvas& canvas, const Shape& sky) {
  std::uint32_t seed = 20261210;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) / static_cast<double>(1u << 24);
  };
  for (int i = 0; i < 90; ++i) {
    double x = sky.left + next() * (sky.right - sky.left);
    double y = sky.top + next() * (sky.bottom - sky.top);
    double brightness = 0.25 + 0.6 * next();
    if (sky.contains(x, y)) {
      Fill(canvas, Disc(x, y, 0.6 + next() * 0.7), palette::kIvory, brightness);
    }
  }
}

Shape Ridge(double base, std::initializer_list<Point> peaks) {
  std::vector<Point> corners{{kBannerLeft, 600}, {kBannerLeft, base}};
  corners.insert(corners.end(), peaks);
  corners.push_back({kBannerRight, base});
  corners.push_back({kBannerRight, 600});
  return Polygon(std::move(corners));
}

void PaintBanner(Canvas& canvas, const Typesetter& type) {
  Fill(canvas, Banner(0), palette::kGoldDark);
  Fill(canvas, Banner(1.5), palette::kGold);
  const Shape cloth = Banner(3.5);
  Fill(canvas, cloth, VerticalGradient({14, 34, 58}, palette::kTealDeep, 62, 590));
  Fill(canvas, Subtract(Banner(7), Banner(8)), palette::kGold, 0.45);

  Stars(canvas, Intersect(cloth, Rectangle(kBannerLeft, 70, kBannerRight, 360)));
  // The moon and its glow.
  for (int ring = 6; ring >= 1; --ring) {
    Fill(canvas, Disc(kBannerMiddle, 150, 30 + ring * 7), palette::kGoldLight, 0.035);
  }
  Fill(canvas, Disc(kBannerMiddle, 150, 30),
       VerticalGradient(palette::kGoldLight, palette::kGold, 120, 180));
  Fill(canvas, Disc(kBannerMiddle + 11, 141, 24), palette::kGoldLight, 0.25);

  // The motto, read from top to bottom.
  const std::u32string motto = U"群雄逐鹿";
  for (std::size_t i = 0; i < motto.size(); ++i) {
    Lettering character = type.Set(motto.substr(i, 1), {38, 1.2, 0});
    double cy = 240 + static_cast<double>(i) * 48;
    LetterCentred(canvas, character, kBannerMiddle + 2, cy + 2, Flat(palette::kShadow), 0.7);
    LetterCentred(canvas, character, kBannerMiddle, cy,
                  VerticalGradient(palette::kGoldLight, palette::kGold, cy - 19, cy + 19));
  }

  // Three ranges of mountains, lighter towards the front.
  Fill(canvas, Intersect(cloth, Ridge(470, {{40, 440}, {80, 405}, {120, 445}, {165, 398},
                                            {215, 438}})),
       Mix(palette::kTealDeep, palette::kTeal, 0.35));
  Fill(canvas, Intersect(cloth, Ridge(500, {{50, 470}, {100, 452}, {150, 480}, {200, 446}})),
       Mix(palette::kTealDeep, palette::kNavyDeep, 0.3));
  Fill(canvas, Intersect(cloth, Ridge(540, {{70, 515}, {135, 500}, {190, 522}})),
       palette::kNavyDeep);
  Diamond(canvas, kBannerMiddle, 562, 7, palette::kGold);

  // The rod the banner hangs from.
  Fill(canvas, Rod(), palette::kGoldDark);
  Fill(canvas, RoundedRectangle(17, 56, 251, 66, 5),
       VerticalGradient(palette::kGoldLight, palette::kGoldDark, 56, 66));
  for (double x : {14.0, 254.0}) {
    Fill(canvas, Disc(x, 61, 7.8), VerticalGradient(palette::kGoldLight, palette::kGold, 53, 69));
  }
}

}  // namespace

Canvas LauncherBackground(const Typesetter& type) {
  Canvas canvas(kLauncherWidth, kLauncherHeight, palette::kShadow);
  PaintBody(canvas, type);
  PaintBanner(canvas, type);
  ApplyKey(canvas, Mask(kLauncherWidth, kLauncherHeight, Union(Union(Body(0), Banner(0)), Rod())));
  return canvas;
}

}  // namespace artgen
