// The pictures of an .ico file in the classic form the resource compiler
// and the desktop read: a BITMAPINFOHEADER with the doubled height, the
// colour rows from the bottom, the one-bit AND mask.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace theme {

struct IconImage {
  int width = 0, height = 0, bitsPerPixel = 0;
  std::vector<std::uint8_t> rgba;  // rows from the top, straight alpha
};

struct IconFile {
  std::vector<IconImage> images;
  std::string error;  // empty when every picture could be read
};

IconFile ReadIconFile(std::string_view bytes);

}  // namespace theme
