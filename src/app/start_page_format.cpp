#include "app/start_page_format.h"

#include <array>

namespace start_page {

Record Decode(Source& source) {
  std::uint64_t length = source.Length();
  source.Seek(static_cast<std::int64_t>(length) - 4);
  std::array<unsigned char, 4> tail{};  // zero if the file ends early
  source.Read(tail.data(), 4);
  std::uint32_t position = static_cast<std::uint32_t>(tail[0]) |
                           (static_cast<std::uint32_t>(tail[1]) << 8) |
                           (static_cast<std::uint32_t>(tail[2]) << 16) |
                           (static_cast<std::uint32_t>(tail[3]) << 24);
  source.Seek(static_cast<std::int64_t>(position));
  // Wraps to a huge value when the position lies in the last four bytes or
  // beyond: that reads as "no record", never as an error.
  std::uint32_t n = static_cast<std::uint32_t>(length) - position - 4;
  if (n > kMaxAddressBytes) return Record{};

  std::array<char, kMaxAddressBytes + 1> buffer{};
  std::uint32_t got = source.Read(buffer.data(), n);
  if (got > n) got = n;
  std::string_view bytes(buffer.data(), got);
  return Record{true, std::string(bytes.substr(0, bytes.find('\0'))), position};
}

bool IsValidAddress(std::string_view address) {
  return !address.empty() && address.size() <= kMaxAddressBytes &&
         address.find('\0') == std::string_view::npos;
}

std::string Encode(std::uint64_t programLength, std::string_view address) {
  std::string bytes(address);
  auto position = static_cast<std::uint32_t>(programLength);
  for (int shift = 0; shift < 32; shift += 8) {
    bytes.push_back(static_cast<char>((position >> shift) & 0xFF));
  }
  return bytes;
}

}  // namespace start_page
