#include "tools/theme/title_check.h"

#include <iconv.h>

#include <cstdint>

#include "res/theme_files.h"

namespace theme {

namespace {

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int follow = lead < 0x80                    ? 0
                       : lead >= 0xC2 && lead <= 0xDF ? 1
                       : lead >= 0xE0 && lead <= 0xEF ? 2
                       : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                      : -1;
    if (follow < 0 || text.size() - i <= static_cast<std::size_t>(follow)) return false;
    std::uint32_t code = lead & (0x7F >> follow);
    for (int k = 1; k <= follow; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = code << 6 | (next & 0x3F);
    }
    const bool overlongOrSurrogate =
        (follow == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
        (follow == 3 && (code < 0x10000 || code > 0x10FFFF));
    if (overlongOrSurrogate) return false;
    i += follow + 1;
  }
  return true;
}

}  // namespace

std::optional<std::string> TitleInCodePage936(const std::string& utf8) {
  iconv_t cd = iconv_open("CP936", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size(), outLeft = out.size();
  char* outPtr = out.data();
  const bool converted = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!converted || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

std::optional<std::string> CheckTitle(std::string_view bytes, Findings& findings) {
  const std::string file = kTitlePath;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (bytes.ends_with("\r\n"))
    bytes.remove_suffix(2);
  else if (bytes.ends_with('\n'))
    bytes.remove_suffix(1);
  const std::string title(bytes);

  if (!IsUtf8(title)) {
    findings.Fault(file, "the title is not UTF-8 text");
    return std::nullopt;
  }
  bool fine = true;
  if (title.empty()) {
    findings.Fault(file, "the title is empty");
    fine = false;
  }
  for (char c : title) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      findings.Fault(file, c == '\n' || c == '\r' ? "the title is more than one line"
                                                  : "the title holds a control character");
      fine = false;
      break;
    }
  }
  if (!title.empty() && (title.front() == ' ' || title.back() == ' ')) {
    findings.Fault(file, "the title begins or ends with a space");
    fine = false;
  }
  std::optional<std::string> cp936 = TitleInCodePage936(title);
  if (!cp936) {
    findings.Fault(file,
                   "the title has characters that code page 936 cannot represent: "
                   "the program's texts are in code page 936");
    fine = false;
  } else if (cp936->size() > kTitleLimit) {
    findings.Fault(file, "the title is " + std::to_string(cp936->size()) +
                             " bytes in code page 936; at most " + std::to_string(kTitleLimit) +
                             " fit (a Chinese character takes two)");
    fine = false;
  }
  if (!fine) return std::nullopt;
  return title;
}

}  // namespace theme
