#include "platform/desktop/png_writer.h"

#include <png.h>

#include <vector>

namespace desktop {

bool WritePng(const std::string& path, Bitmap& pixels, RECT area) {
  int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return false;
  std::vector<png_byte> rgb(static_cast<std::size_t>(width) * height * 3);
  std::size_t at = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      std::uint32_t word = pixels.At(x, y);
      rgb[at++] = static_cast<png_byte>(word >> 16);
      rgb[at++] = static_cast<png_byte>(word >> 8);
      rgb[at++] = static_cast<png_byte>(word);
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  bool written = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return written;
}

}  // namespace desktop
