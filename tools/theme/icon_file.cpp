#include "tools/theme/icon_file.h"

#include "tools/theme/file_bytes.h"

namespace theme {

namespace {

constexpr std::size_t kDirectorySize = 6, kEntrySize = 16, kInfoHeaderSize = 40;

// One directory entry's picture, or the reason it cannot be read.
std::string ReadImage(std::string_view bytes, std::size_t entry, IconImage& image) {
  const std::uint32_t size = LittleEndian(bytes, entry + 8, 4),
                      offset = LittleEndian(bytes, entry + 12, 4);
  if (offset > bytes.size() || size > bytes.size() - offset || size < kInfoHeaderSize) {
    return "a picture lies outside the file";
  }
  std::string_view data = bytes.substr(offset, size);
  if (data.substr(0, 4) == "\x89PNG") return "a picture is stored as PNG; store it uncompressed";
  if (LittleEndian(data, 0, 4) < kInfoHeaderSize) return "a picture has no bitmap header";
  const auto width = static_cast<std::int32_t>(LittleEndian(data, 4, 4));
  const auto doubled = static_cast<std::int32_t>(LittleEndian(data, 8, 4));
  image.bitsPerPixel = static_cast<int>(LittleEndian(data, 14, 2));
  if (LittleEndian(data, 16, 4) != 0) return "a picture is compressed";
  if (width <= 0 || width > 256 || doubled <= 0 || doubled % 2 || doubled / 2 > 256) {
    return "a picture has an impossible size";
  }
  if (image.bitsPerPixel != 24 && image.bitsPerPixel != 32) {
    return "a picture has " + std::to_string(image.bitsPerPixel) + " bits per pixel, not 24 or 32";
  }
  image.width = width;
  image.height = doubled / 2;
  const std::size_t colourRow =
      (static_cast<std::size_t>(width) * image.bitsPerPixel / 8 + 3) / 4 * 4;
  const std::size_t maskRow = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  const std::size_t colourAt = LittleEndian(data, 0, 4);
  const std::size_t maskAt = colourAt + colourRow * image.height;
  if (maskAt + maskRow * image.height > data.size()) return "a picture is cut short";

  image.rgba.resize(static_cast<std::size_t>(width) * image.height * 4);
  const int step = image.bitsPerPixel / 8;
  for (int y = 0; y < image.height; ++y) {
    const std::size_t row = colourAt + colourRow * (image.height - 1 - y);
    const std::size_t mask = maskAt + maskRow * (image.height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const std::size_t at = row + static_cast<std::size_t>(x) * step;
      std::uint8_t* out = &image.rgba[(static_cast<std::size_t>(y) * width + x) * 4];
      out[0] = static_cast<std::uint8_t>(data[at + 2]);
      out[1] = static_cast<std::uint8_t>(data[at + 1]);
      out[2] = static_cast<std::uint8_t>(data[at]);
      const bool masked = static_cast<std::uint8_t>(data[mask + x / 8]) & (0x80 >> (x % 8));
      out[3] = step == 4 ? static_cast<std::uint8_t>(data[at + 3]) : (masked ? 0 : 255);
    }
  }
  return {};
}

}  // namespace

IconFile ReadIconFile(std::string_view bytes) {
  IconFile file;
  if (bytes.size() < kDirectorySize || LittleEndian(bytes, 0, 2) != 0 ||
      LittleEndian(bytes, 2, 2) != 1) {
    file.error = "not an icon file";
    return file;
  }
  const std::size_t count = LittleEndian(bytes, 4, 2);
  if (count == 0) file.error = "the icon file holds no picture";
  if (bytes.size() < kDirectorySize + count * kEntrySize) file.error = "the icon file is cut short";
  if (!file.error.empty()) return file;
  for (std::size_t i = 0; i < count; ++i) {
    IconImage image;
    std::string error = ReadImage(bytes, kDirectorySize + i * kEntrySize, image);
    if (!error.empty()) {
      file.error = error;
      return file;
    }
    file.images.push_back(std::move(image));
  }
  return file;
}

}  // namespace theme
