// Multi-byte text in code page 936: a lead byte and the byte after it make
// one character. Searches, splits and cuts walk whole characters.
#pragma once

#include <cstddef>
#include <string_view>

inline bool AfxIsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// The number of bytes (1 or 2) of the character that starts at `i`.
inline std::size_t AfxCharWidth(std::string_view text, std::size_t i) {
  return (AfxIsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
}
