// Reads a .ico file, as the resource compiler embeds it: the largest of
// its pictures, with each pixel's coverage.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace desktop {

// Pixels as 0xAARRGGBB words, rows top first, not premultiplied: the
// alpha of a 32-bit picture that has one, else 0 or 255 from the AND mask.
struct IconPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<bool> mask;  // the AND mask: true where the picture is see-through
};

// 24- and 32-bit pictures in the classic form (a BITMAPINFOHEADER with the
// double height, the colour rows, the AND mask). A file that is truncated,
// points outside itself, or holds no such picture gives nothing.
std::optional<IconPicture> ReadIconFile(std::string_view bytes);

}  // namespace desktop
