#include "platform/desktop/bitmap_file.h"

#include <cstring>
#include <vector>

namespace desktop {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::int64_t kMaxSide = 16384;

std::uint32_t U32(std::string_view b, std::size_t at) {
  std::uint32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}
std::uint16_t U16(std::string_view b, std::size_t at) {
  std::uint16_t v;
  std::memcpy(&v, b.data() + at, 2);
  return v;
}

std::uint8_t Byte(std::string_view b, std::size_t at) { return static_cast<std::uint8_t>(b[at]); }

}  // namespace

std::optional<Bitmap> ReadBitmapFile(std::string_view file) {
  if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') {
    return std::nullopt;
  }
  std::uint32_t pixelOffset = U32(file, 10);
  std::uint32_t headerSize = U32(file, 14);
  std::int64_t width = static_cast<std::int32_t>(U32(file, 18));
  std::int64_t height = static_cast<std::int32_t>(U32(file, 22));
  std::uint16_t planes = U16(file, 26), bits = U16(file, 28);
  std::uint32_t compression = U32(file, 30), colorsUsed = U32(file, 46);
  bool bottomUp = height > 0;
  if (height < 0) height = -height;
  bool palettised = bits == 1 || bits == 4 || bits == 8;
  if (headerSize < kInfoHeaderSize || planes != 1 || compression != BI_RGB ||
      !(palettised || bits == 24 || bits == 32) || width <= 0 || height <= 0 || width > kMaxSide ||
      height > kMaxSide) {
    return std::nullopt;
  }
  std::size_t paletteStart = kFileHeaderSize + headerSize;
  std::size_t paletteSize = palettised ? (colorsUsed ? colorsUsed : 1u << bits) : 0;
  if (paletteSize > 256 || paletteStart > file.size() ||
      (file.size() - paletteStart) / 4 < paletteSize) {
    return std::nullopt;
  }
  std::vector<std::uint32_t> palette(paletteSize);
  for (std::size_t i = 0; i < paletteSize; ++i)
    palette[i] = U32(file, paletteStart + 4 * i) & 0xFFFFFF;

  std::size_t stride = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
  if (pixelOffset > file.size() ||
      (file.size() - pixelOffset) / stride < static_cast<std::size_t>(height)) {
    return std::nullopt;
  }

  Bitmap out;
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.bitsPerPixel = bits == 1 ? 1 : 32;
  out.words.resize(static_cast<std::size_t>(width * height));
  for (int y = 0; y < out.height; ++y) {
    std::size_t row =
        pixelOffset + stride * static_cast<std::size_t>(bottomUp ? out.height - 1 - y : y);
    // True-colour rows go straight into the bitmap's row (the checks above
    // keep every byte read inside the file).
    if (bits == 24 || bits == 32) {
      const auto* in = reinterpret_cast<const unsigned char*>(file.data() + row);
      std::uint32_t* pixels = out.Row(y);
      std::size_t step = bits / 8;
      for (int x = 0; x < out.width; ++x, in += step) {
        pixels[x] = in[0] | (static_cast<std::uint32_t>(in[1]) << 8) |
                    (static_cast<std::uint32_t>(in[2]) << 16);
      }
      continue;
    }
    for (int x = 0; x < out.width; ++x) {
      std::size_t bit = static_cast<std::size_t>(x) * bits;
      unsigned index = (Byte(file, row + bit / 8) >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
      if (index >= palette.size()) return std::nullopt;
      out.Put(x, y, palette[index]);
    }
  }
  return out;
}

}  // namespace desktop
