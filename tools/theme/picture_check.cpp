#include "tools/theme/picture_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "res/theme_files.h"
#include "tools/artgen/image_files.h"
#include "tools/theme/file_bytes.h"
#include "tools/theme/pixel_text.h"

namespace theme {

namespace {

using artgen::Canvas;

std::string Size(std::int64_t width, std::int64_t height) {
  return std::to_string(width) + " × " + std::to_string(height);
}

// The header's promises first, so that only a picture of the expected size
// is decoded.
std::optional<Canvas> ReadPicture(const PictureFile& expected, std::string_view bytes,
                                  Findings& findings) {
  const std::string file = expected.path;
  constexpr std::size_t kHeaders = 14 + 40;
  if (bytes.size() < kHeaders || bytes.substr(0, 2) != "BM" || LittleEndian(bytes, 14, 4) < 40) {
    findings.Fault(file, "not a Windows bitmap (.bmp) file");
    return std::nullopt;
  }
  const auto width = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
  const auto height = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
  const auto bits = static_cast<int>(LittleEndian(bytes, 28, 2));
  bool fine = true;
  if (LittleEndian(bytes, 30, 4) != 0) {
    findings.Fault(file, "the bitmap is compressed; store it uncompressed");
    fine = false;
  }
  if (bits != 24) {
    findings.Fault(file, "the bitmap has " + std::to_string(bits) +
                             " bits per pixel; the program's pictures have 24");
    fine = false;
  }
  if (height < 0) {
    findings.Fault(file, "the rows are stored from the top; store them from the bottom");
    fine = false;
  }
  const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
  if (width != expected.width || rows != expected.height) {
    findings.Fault(file, "the picture is " + Size(width, rows) + " pixels; it must be " +
                             Size(expected.width, expected.height));
    fine = false;
  }
  if (!fine) return std::nullopt;
  std::optional<artgen::BitmapFileInfo> info = artgen::DecodeBitmapFile(bytes);
  if (!info || !info->pixels) {
    findings.Fault(file, "the bitmap's pixels are cut short");
    return std::nullopt;
  }
  return std::move(info->pixels);
}

std::vector<bool> KeyMask(const Canvas& picture) {
  std::vector<bool> mask;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) mask.push_back(IsKeyPixel(picture, x, y));
  }
  return mask;
}

// Key pixels that no path of key pixels joins to the picture's edge, and
// solid pixels beside the key so close to its grey that the outline looks
// blurred: allowed, but seldom meant.
void NoteShapeFlaws(const PictureFile& expected, const Canvas& picture, Findings& findings) {
  const int w = picture.Width(), h = picture.Height();
  std::vector<bool> reached(static_cast<std::size_t>(w) * h);
  std::vector<std::pair<int, int>> todo;
  for (int x = 0; x < w; ++x) todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
  for (int y = 0; y < h; ++y) todo.insert(todo.end(), {{0, y}, {w - 1, y}});
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    if (!picture.Contains(x, y) || !IsKeyPixel(picture, x, y)) continue;
    if (reached[static_cast<std::size_t>(y) * w + x]) continue;
    reached[static_cast<std::size_t>(y) * w + x] = true;
    todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  PixelCount inner, blurred;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (IsKeyPixel(picture, x, y)) {
        if (!reached[static_cast<std::size_t>(y) * w + x]) inner.Add(x, y);
        continue;
      }
      bool bordersKey = false;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        if (picture.Contains(x + dx, y + dy) && IsKeyPixel(picture, x + dx, y + dy))
          bordersKey = true;
      }
      const artgen::Rgb& p = picture.At(x, y);
      const int distance = std::max({std::abs(p.r - 92), std::abs(p.g - 92), std::abs(p.b - 92)});
      if (bordersKey && distance < 16) blurred.Add(x, y);
    }
  }
  if (inner.count) {
    findings.Note(expected.path, inner.Text() + " the key colour inside the picture: holes there");
  }
  if (blurred.count) {
    findings.Note(expected.path,
                  blurred.Text() + " almost the key colour beside it: a grey fringe on the edge");
  }
}

}  // namespace

ReadPictures CheckPictures(const std::filesystem::path& folder, Findings& findings) {
  ReadPictures pictures;
  for (const PictureFile& expected : theme::Pictures()) {
    std::optional<std::string> bytes = ReadFileBytes(folder / expected.path);
    if (!bytes) {
      findings.Fault(expected.path, std::string("missing: ") + expected.purpose + ", " +
                                        Size(expected.width, expected.height) + " pixels, 24 bits");
      continue;
    }
    std::optional<Canvas> picture = ReadPicture(expected, *bytes, findings);
    if (!picture) continue;

    if (expected.key == KeyUse::kForbidden) {
      PixelCount keys;
      for (int y = 0; y < picture->Height(); ++y) {
        for (int x = 0; x < picture->Width(); ++x) {
          if (IsKeyPixel(*picture, x, y)) keys.Add(x, y);
        }
      }
      if (keys.count) {
        findings.Fault(expected.path, keys.Text() +
                                          " the key colour 0x5C5C5C: the game window is not "
                                          "see-through, they would show grey");
      }
    } else {
      NoteShapeFlaws(expected, *picture, findings);
    }
    pictures.emplace(expected.path, std::move(*picture));
  }

  // A button's outline is cut from its normal look alone.
  for (const PictureFile& look : theme::Pictures()) {
    if (!look.sameShapeAs) continue;
    auto normal = pictures.find(look.sameShapeAs), other = pictures.find(look.path);
    if (normal == pictures.end() || other == pictures.end()) continue;
    std::vector<bool> a = KeyMask(normal->second), b = KeyMask(other->second);
    PixelCount differing;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (a[i] != b[i]) {
        differing.Add(static_cast<int>(i % normal->second.Width()),
                      static_cast<int>(i / normal->second.Width()));
      }
    }
    if (differing.count) {
      findings.Fault(look.path, std::string("its key pixels differ from those of ") +
                                    look.sameShapeAs + " at " + differing.Counted() +
                                    ": a button's outline is cut from its normal look, so every "
                                    "look must have the same key pixels");
    }
  }
  return pictures;
}

}  // namespace theme
