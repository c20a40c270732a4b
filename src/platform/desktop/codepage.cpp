#include "platform/desktop/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace desktop {
namespace {

// Converts with iconv; bytes that cannot be converted become '?', so a
// transcript or a file name never loses the rest of the text.
std::string Convert(const char* to, const char* from, const std::string& text,
                    const std::string& replacement = "?") {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out;
  std::vector<char> buffer(text.size() * 4 + 16);
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer.data(), outPtr);
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      out += replacement;  // invalid or incomplete sequence: skip one byte
      ++in;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

bool IsAscii(const std::string& text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

}  // namespace

// ASCII text is the same in both; most names and lines are, and iconv is
// not cheap to open.
std::string Cp936ToUtf8(const std::string& text) {
  return IsAscii(text) ? text : Convert("UTF-8", "CP936", text);
}
std::string Utf8ToCp936(const std::string& text) {
  return IsAscii(text) ? text : Convert("CP936", "UTF-8", text);
}

namespace {

std::u16string FromUtf16Bytes(const std::string& bytes) {
  std::u16string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  }
  return out;
}

std::string ToUtf16Bytes(const std::u16string& text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

}  // namespace

std::u16string Cp936ToUtf16(const std::string& text) {
  return FromUtf16Bytes(Convert("UTF-16LE", "CP936", text, std::string("?\0", 2)));
}

std::string Utf16ToCp936(const std::u16string& text) {
  return Convert("CP936", "UTF-16LE", ToUtf16Bytes(text));
}

std::u16string Utf8ToUtf16(const std::string& text) {
  return FromUtf16Bytes(Convert("UTF-16LE", "UTF-8", text, std::string("\xFD\xFF", 2)));
}

std::string Utf16ToUtf8(const std::u16string& text) {
  return Convert("UTF-8", "UTF-16LE", ToUtf16Bytes(text), "\xEF\xBF\xBD");
}

std::string FoldCase936(const std::string& text) {
  std::string out = text;
  for (std::size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (IsLeadByte936(c) && i + 1 < out.size()) {
      ++i;  // the trail byte may look like a letter; it is not one
    } else if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return out;
}

std::size_t CharacterSafePrefix(const std::string& text, std::size_t limit) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t width =
        (IsLeadByte936(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    if (i + width > limit) break;
    i += width;
  }
  return i;
}

}  // namespace desktop
