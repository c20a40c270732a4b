#include "tools/artgen/contact_sheet.h"

#include <algorithm>
#include <map>

#include "res/resource_ids.h"
#include "tools/artgen/image_files.h"

namespace artgen {

namespace {

constexpr Rgb kSheet{48, 48, 52};

Rgb Checker(int x, int y) {
  return ((x / 8 + y / 8) % 2) ? Rgb{200, 200, 200} : Rgb{236, 236, 236};
}

// Copies the picture's non-key pixels, magnified, with the checkerboard
// where the key is.
void Place(Canvas& sheet, const Canvas& picture, int left, int top, int zoom) {
  for (int y = 0; y < picture.Height() * zoom; ++y) {
    for (int x = 0; x < picture.Width() * zoom; ++x) {
      if (!sheet.Contains(left + x, top + y)) continue;
      const Rgb& p = picture.At(x / zoom, y / zoom);
      sheet.At(left + x, top + y) = p == kKeyColor ? Checker(left + x, top + y) : p;
    }
  }
}

void PlaceOver(Canvas& sheet, const Canvas& picture, int left, int top) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (picture.At(x, y) != kKeyColor) sheet.At(left + x, top + y) = picture.At(x, y);
    }
  }
}

Canvas DecodeIcon(const std::string& bytes) {
  constexpr int kSize = 64;
  constexpr std::size_t kPixels = 6 + 16 + 40;
  Canvas picture(kSize, kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      std::size_t at = kPixels + (static_cast<std::size_t>(kSize - 1 - y) * kSize + x) * 4;
      Rgb colour{static_cast<std::uint8_t>(bytes[at + 2]), static_cast<std::uint8_t>(bytes[at + 1]),
                 static_cast<std::uint8_t>(bytes[at])};
      double opacity = static_cast<std::uint8_t>(bytes[at + 3]) / 255.0;
      picture.At(x, y) = Mix(Checker(x, y), colour, opacity);
    }
  }
  return picture;
}

}  // namespace

Canvas ContactSheet(const Artwork& artwork) {
  std::map<int, Canvas> pictures;
  for (const ArtworkFile& file : artwork.bitmaps) {
    auto decoded = DecodeBitmapFile(file.bytes);
    if (decoded && decoded->pixels) pictures.emplace(file.id, *decoded->pixels);
  }

  Canvas sheet(1040, 1240, kSheet);
  // The launcher with its buttons in their normal looks, at their places.
  Canvas launcher = pictures.at(IDB_LAUNCHER_BACKGROUND);
  const struct {
    int id, left, top;
  } buttons[] = {{IDB_CLOSE_NORMAL, 947, 128},    {IDB_MINIMIZE_NORMAL, 919, 136},
                 {IDB_OFFICIAL_NORMAL, 326, 132}, {IDB_FORUM_NORMAL, 455, 132},
                 {IDB_SERVICE_NORMAL, 704, 132},  {IDB_PAY_NORMAL, 824, 132},
                 {IDB_LOGO, 503, 28}};
  for (const auto& b : buttons) PlaceOver(launcher, pictures.at(b.id), b.left, b.top);
  Place(sheet, launcher, 16, 16, 1);

  // Every other picture, magnified, in id order.
  int x = 16, y = 16 + 601 + 24, rowHeight = 0;
  for (const auto& [id, picture] : pictures) {
    if (id == IDB_LAUNCHER_BACKGROUND) continue;
    int zoom = picture.Width() > 100 ? 1 : picture.Width() > 20 ? 3 : 4;
    if (x + picture.Width() * zoom > sheet.Width() - 16) {
      x = 16;
      y += rowHeight + 16;
      rowHeight = 0;
    }
    Place(sheet, picture, x, y, zoom);
    x += picture.Width() * zoom + 16;
    rowHeight = std::max(rowHeight, picture.Height() * zoom);
  }
  for (const ArtworkFile& icon : artwork.icons) {
    Canvas picture = DecodeIcon(icon.bytes);
    Place(sheet, picture, x, y, 2);
  }
  return sheet;
}

}  // namespace artgen
