#include "platform/desktop/icon_file.h"

#include <cstring>

namespace desktop {
namespace {

constexpr int kMaxIconSide = 256;
constexpr std::size_t kDirectoryHeader = 6;
constexpr std::size_t kDirectoryEntry = 16;
constexpr std::size_t kInfoHeader = 40;

std::uint32_t Read32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}
std::uint16_t Read16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                    (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

// One picture at `image` (its bytes alone), or nothing.
std::optional<IconPicture> ReadPicture(std::string_view image) {
  if (image.size() < kInfoHeader || Read32(image, 0) < kInfoHeader) return std::nullopt;
  auto width = static_cast<std::int32_t>(Read32(image, 4));
  auto doubleHeight = static_cast<std::int32_t>(Read32(image, 8));
  std::uint16_t bits = Read16(image, 14);
  std::uint32_t compression = Read32(image, 16);
  if (width <= 0 || width > kMaxIconSide || doubleHeight <= 0 || doubleHeight % 2 != 0 ||
      doubleHeight / 2 > kMaxIconSide || compression != 0 || (bits != 24 && bits != 32)) {
    return std::nullopt;
  }
  int height = doubleHeight / 2;
  std::size_t colourStride = (static_cast<std::size_t>(width) * bits / 8 + 3) / 4 * 4;
  std::size_t maskStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  std::size_t colourAt = Read32(image, 0);
  std::size_t maskAt = colourAt + colourStride * height;
  if (colourAt > image.size() || maskAt + maskStride * height > image.size()) return std::nullopt;

  IconPicture picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.resize(static_cast<std::size_t>(width) * height);
  picture.mask.resize(picture.pixels.size());
  bool anyAlpha = false;
  for (int row = 0; row < height; ++row) {
    std::size_t from = colourAt + colourStride * (height - 1 - row);  // bottom-up
    std::size_t maskFrom = maskAt + maskStride * (height - 1 - row);
    for (int x = 0; x < width; ++x) {
      const auto* p = reinterpret_cast<const std::uint8_t*>(image.data() + from + x * (bits / 8));
      std::uint32_t alpha = bits == 32 ? p[3] : 0;
      anyAlpha |= alpha != 0;
      std::size_t i = static_cast<std::size_t>(row) * width + x;
      picture.pixels[i] = (alpha << 24) | (p[2] << 16) | (p[1] << 8) | p[0];
      auto maskByte = static_cast<std::uint8_t>(image[maskFrom + x / 8]);
      picture.mask[i] = (maskByte >> (7 - x % 8)) & 1;
    }
  }
  if (!anyAlpha) {  // no alpha of its own: the mask decides
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
      picture.pixels[i] = (picture.pixels[i] & 0x00FFFFFF) | (picture.mask[i] ? 0 : 0xFF000000);
    }
  }
  return picture;
}

}  // namespace

std::optional<IconPicture> ReadIconFile(std::string_view bytes) {
  if (bytes.size() < kDirectoryHeader || Read16(bytes, 0) != 0 || Read16(bytes, 2) != 1) {
    return std::nullopt;
  }
  std::size_t count = Read16(bytes, 4);
  if (count == 0 || bytes.size() < kDirectoryHeader + count * kDirectoryEntry) return std::nullopt;
  std::optional<IconPicture> best;
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t entry = kDirectoryHeader + i * kDirectoryEntry;
    std::size_t size = Read32(bytes, entry + 8);
    std::size_t offset = Read32(bytes, entry + 12);
    if (offset > bytes.size() || size > bytes.size() - offset) continue;
    std::optional<IconPicture> picture = ReadPicture(bytes.substr(offset, size));
    if (picture && (!best || picture->width * picture->height > best->width * best->height)) {
      best = std::move(picture);
    }
  }
  return best;
}

}  // namespace desktop
