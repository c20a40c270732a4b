#include "tests/support/bmp_file.h"

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string BmpFile(int width, int height, int bits, const std::vector<std::uint32_t>& pixels,
                    const std::vector<std::uint32_t>& palette) {
  const std::uint32_t stride = static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
  std::string out = "BM";
  Put(out, offset + imageSize, 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  Put(out, 40, 4);
  Put(out, static_cast<std::uint32_t>(width), 4);
  Put(out, static_cast<std::uint32_t>(height), 4);
  Put(out, 1, 2);
  Put(out, static_cast<std::uint32_t>(bits), 2);
  Put(out, 0, 4);  // BI_RGB
  Put(out, imageSize, 4);
  Put(out, 2835, 4);  // 72 dots per inch
  Put(out, 2835, 4);
  Put(out, static_cast<std::uint32_t>(palette.size()), 4);
  Put(out, 0, 4);
  for (std::uint32_t colour : palette) Put(out, colour, 4);
  for (int y = height - 1; y >= 0; --y) {
    std::size_t rowStart = out.size();
    for (int x = 0; x < width; ++x)
      Put(out, pixels[static_cast<std::size_t>(y) * width + x], bits / 8);
    out.resize(rowStart + stride, '\0');
  }
  return out;
}
