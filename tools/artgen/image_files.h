// The file formats the artwork is written in: 24-bit bottom-up Windows
// bitmaps, a 32-bit icon, and PNG for looking at the pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/artgen/canvas.h"

namespace artgen {

// A .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER, rows from the bottom,
// each padded to four bytes.
std::string EncodeBitmapFile(const Canvas& picture);

// What a .bmp file says about itself, and its pixels when they are 24-bit.
struct BitmapFileInfo {
  int width = 0;
  int height = 0;      // as stored: positive for bottom-up rows
  int bitsPerPixel = 0;
  std::optional<Canvas> pixels;
};
std::optional<BitmapFileInfo> DecodeBitmapFile(std::string_view bytes);

// A picture with its own opacity per pixel (0 clear, 255 solid).
struct TranslucentPicture {
  Canvas colour;
  std::vector<std::uint8_t> opacity;  // rows from the top
};

// An .ico file holding one picture: 32 bits per pixel with its opacity, and
// the one-bit mask that older systems draw with.
std::string EncodeIconFile(const TranslucentPicture& picture);

// A PNG file, stored without compression: for previews only.
std::string EncodePngFile(const Canvas& picture);

}  // namespace artgen
