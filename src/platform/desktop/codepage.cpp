#include "platform/desktop/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace desktop {
namespace {

// Converts with iconv; bytes that cannot be converted become '?', so a
// transcript or a file name never loses the rest of the text.
std::string Convert(const char* to, const char* from, const std::string& text) {
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
      out.push_back('?');  // invalid or incomplete sequence: skip one byte
      ++in;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Cp936ToUtf8(const std::string& text) { return Convert("UTF-8", "CP936", text); }
std::string Utf8ToCp936(const std::string& text) { return Convert("CP936", "UTF-8", text); }

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
