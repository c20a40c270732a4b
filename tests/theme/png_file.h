// Reads a PNG file into 8-bit RGBA pixels, rows from the top.
#pragma once

#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

struct PngFile {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;

  explicit PngFile(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return;
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
      width = static_cast<int>(image.width);
      height = static_cast<int>(image.height);
      rgba = std::move(pixels);
    }
    png_image_free(&image);
  }
  bool Read() const { return width > 0; }
  // Red, green, blue of a pixel, as 0xRRGGBB.
  std::uint32_t Rgb(int x, int y) const {
    const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    return static_cast<std::uint32_t>(p[0]) << 16 | p[1] << 8 | p[2];
  }
  int Alpha(int x, int y) const { return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + 3]; }
};
