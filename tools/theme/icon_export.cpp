#include "tools/theme/icon_export.h"

#include <png.h>

#include <system_error>

#include "tools/theme/icon_file.h"

namespace theme {

namespace {

bool WritePng(const IconImage& image, const std::filesystem::path& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  const bool written =
      png_image_write_to_file(&png, path.c_str(), 0, image.rgba.data(), 0, nullptr) != 0;
  png_image_free(&png);
  return written;
}

}  // namespace

std::string ExportIcons(std::string_view icoBytes, const std::filesystem::path& iconTheme,
                        const std::string& name) {
  IconFile icon = ReadIconFile(icoBytes);
  if (!icon.error.empty()) return icon.error;
  for (const IconImage& image : icon.images) {
    const std::string size = std::to_string(image.width) + "x" + std::to_string(image.height);
    const std::filesystem::path folder = iconTheme / size / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return "cannot make " + folder.string() + ": " + error.message();
    if (!WritePng(image, folder / (name + ".png"))) {
      return "cannot write " + (folder / (name + ".png")).string();
    }
  }
  return {};
}

}  // namespace theme
