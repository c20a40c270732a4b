// Conversions at the desktop's edges: the program's texts are code page 936
// bytes, the real file system and the terminal are UTF-8.
#pragma once

#include <string>

namespace desktop {

std::string Cp936ToUtf8(const std::string& text);
std::string Utf8ToCp936(const std::string& text);

// Whether the byte starts a two-byte character in code page 936.
inline bool IsLeadByte936(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The length of the longest prefix of `text` no longer than `limit` bytes
// that does not split a two-byte character.
std::size_t CharacterSafePrefix(const std::string& text, std::size_t limit);

// ASCII letters in lower case, the bytes of two-byte characters unchanged:
// the comparison key of names that Windows compares without regard to case.
std::string FoldCase936(const std::string& text);

// UTF-16 (as the wide functions take it) to and from code page 936.
std::u16string Cp936ToUtf16(const std::string& text);
std::string Utf16ToCp936(const std::u16string& text);

// UTF-16 to and from UTF-8, where the desktop meets engines and files.
std::u16string Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const std::u16string& text);

}  // namespace desktop
