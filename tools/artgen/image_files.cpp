#include "tools/artgen/image_files.h"

#include <algorithm>
#include <array>

namespace artgen {

namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutBe32(std::string& out, std::uint32_t value) {
  for (int i = 3; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t GetLe(std::string_view in, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(in[at + i]);
  return value;
}

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

int RowBytes24(int width) { return (width * 3 + 3) & ~3; }

void PutInfoHeader(std::string& out, int width, int height, int bits, std::uint32_t imageSize) {
  PutLe(out, kInfoHeaderSize, 4);
  PutLe(out, static_cast<std::uint32_t>(width), 4);
  PutLe(out, static_cast<std::uint32_t>(height), 4);
  PutLe(out, 1, 2);  // planes
  PutLe(out, static_cast<std::uint32_t>(bits), 2);
  PutLe(out, 0, 4);  // BI_RGB
  PutLe(out, imageSize, 4);
  PutLe(out, 2835, 4);  // 72 dots per inch
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
}

}  // namespace

std::string EncodeBitmapFile(const Canvas& picture) {
  const int rowBytes = RowBytes24(picture.Width());
  const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes) * picture.Height();
  std::string out;
  out += "BM";
  PutLe(out, kFileHeaderSize + kInfoHeaderSize + imageSize, 4);
  PutLe(out, 0, 4);
  PutLe(out, kFileHeaderSize + kInfoHeaderSize, 4);
  PutInfoHeader(out, picture.Width(), picture.Height(), 24, imageSize);
  for (int y = picture.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const Rgb& p = picture.At(x, y);
      out += static_cast<char>(p.b);
      out += static_cast<char>(p.g);
      out += static_cast<char>(p.r);
    }
    out.append(static_cast<std::size_t>(rowBytes - picture.Width() * 3), '\0');
  }
  return out;
}

std::optional<BitmapFileInfo> DecodeBitmapFile(std::string_view bytes) {
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes.substr(0, 2) != "BM") {
    return std::nullopt;
  }
  BitmapFileInfo info;
  const std::uint32_t pixelOffset = GetLe(bytes, 10, 4);
  info.width = static_cast<std::int32_t>(GetLe(bytes, 18, 4));
  info.height = static_cast<std::int32_t>(GetLe(bytes, 22, 4));
  info.bitsPerPixel = static_cast<int>(GetLe(bytes, 28, 2));
  const bool uncompressed = GetLe(bytes, 30, 4) == 0;
  if (info.bitsPerPixel != 24 || !uncompressed || info.width <= 0 || info.height <= 0) return info;
  const std::size_t rowBytes = static_cast<std::size_t>(RowBytes24(info.width));
  if (pixelOffset + rowBytes * info.height > bytes.size()) return info;
  Canvas pixels(info.width, info.height);
  for (int y = 0; y < info.height; ++y) {
    std::size_t row = pixelOffset + rowBytes * static_cast<std::size_t>(info.height - 1 - y);
    for (int x = 0; x < info.width; ++x) {
      std::size_t at = row + static_cast<std::size_t>(x) * 3;
      pixels.At(x, y) = {static_cast<std::uint8_t>(bytes[at + 2]),
                         static_cast<std::uint8_t>(bytes[at + 1]),
                         static_cast<std::uint8_t>(bytes[at])};
    }
  }
  info.pixels = std::move(pixels);
  return info;
}

std::string EncodeIconFile(const TranslucentPicture& picture) {
  const int width = picture.colour.Width(), height = picture.colour.Height();
  const int maskRowBytes = ((width + 31) / 32) * 4;
  const std::uint32_t colourBytes = static_cast<std::uint32_t>(width) * height * 4;
  const std::uint32_t maskBytes = static_cast<std::uint32_t>(maskRowBytes) * height;
  const std::uint32_t imageBytes = kInfoHeaderSize + colourBytes + maskBytes;

  std::string out;
  PutLe(out, 0, 2);  // ICONDIR
  PutLe(out, 1, 2);  // an icon
  PutLe(out, 1, 2);  // one picture
  out += static_cast<char>(width >= 256 ? 0 : width);  // ICONDIRENTRY
  out += static_cast<char>(height >= 256 ? 0 : height);
  out += '\0';  // no palette
  out += '\0';
  PutLe(out, 1, 2);   // planes
  PutLe(out, 32, 2);  // bits per pixel
  PutLe(out, imageBytes, 4);
  PutLe(out, 6 + 16, 4);

  // The picture's header counts the colour rows and the mask rows together.
  PutInfoHeader(out, width, height * 2, 32, colourBytes + maskBytes);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const Rgb& p = picture.colour.At(x, y);
      out += static_cast<char>(p.b);
      out += static_cast<char>(p.g);
      out += static_cast<char>(p.r);
      out += static_cast<char>(picture.opacity[static_cast<std::size_t>(y) * width + x]);
    }
  }
  for (int y = height - 1; y >= 0; --y) {
    std::string row(static_cast<std::size_t>(maskRowBytes), '\0');
    for (int x = 0; x < width; ++x) {
      if (picture.opacity[static_cast<std::size_t>(y) * width + x] == 0) {
        row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
      }
    }
    out += row;
  }
  return out;
}

namespace {

std::uint32_t Crc32(std::string_view data) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (char ch : data) crc = table[(crc ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
  PutBe32(out, static_cast<std::uint32_t>(data.size()));
  std::string body(type);
  body += data;
  out += body;
  PutBe32(out, Crc32(body));
}

}  // namespace

std::string EncodePngFile(const Canvas& picture) {
  std::string raw;
  for (int y = 0; y < picture.Height(); ++y) {
    raw += '\0';  // no filter
    for (int x = 0; x < picture.Width(); ++x) {
      const Rgb& p = picture.At(x, y);
      raw += static_cast<char>(p.r);
      raw += static_cast<char>(p.g);
      raw += static_cast<char>(p.b);
    }
  }
  // A zlib stream of stored deflate blocks.
  // (raw is never empty: every row has its filter byte.)
  std::string zlib = "\x78\x01";
  constexpr std::size_t kBlock = 65535;
  for (std::size_t at = 0; at < raw.size(); at += kBlock) {
    std::size_t length = std::min(kBlock, raw.size() - at);
    zlib += static_cast<char>(at + length == raw.size() ? 1 : 0);  // the last block
    PutLe(zlib, static_cast<std::uint32_t>(length), 2);
    PutLe(zlib, static_cast<std::uint32_t>(~length & 0xFFFF), 2);
    zlib.append(raw, at, length);
  }
  std::uint32_t a = 1, b = 0;
  for (char ch : raw) {
    a = (a + static_cast<std::uint8_t>(ch)) % 65521;
    b = (b + a) % 65521;
  }
  PutBe32(zlib, (b << 16) | a);

  std::string header;
  PutBe32(header, static_cast<std::uint32_t>(picture.Width()));
  PutBe32(header, static_cast<std::uint32_t>(picture.Height()));
  header += "\x08\x02";  // 8 bits a channel, RGB
  header += std::string(3, '\0');

  std::string out = "\x89PNG\r\n\x1a\n";
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", zlib);
  PutChunk(out, "IEND", "");
  return out;
}

}  // namespace artgen
