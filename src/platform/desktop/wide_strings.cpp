// MultiByteToWideChar and WideCharToMultiByte for the code pages the program
// meets: the ANSI code page (936 here, also as the thread's code page) and
// UTF-8, converted with iconv.
#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/api/kernel_functions.h"
#include "platform/desktop/state.h"

using desktop::SetError;

namespace {

constexpr UINT kAnsiCodePage = 936;

// The iconv name of a code page the desktop knows, or null.
const char* CodePageName(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_THREAD_ACP:
    case kAnsiCodePage:
      return "CP936";
    case CP_UTF8:
      return "UTF-8";
    default:
      return nullptr;
  }
}

// What to write for input that cannot be converted, and how much input it
// covers.
struct Replacement {
  std::string bytes;  // in the target encoding
  std::size_t skip = 1;
};

// Converts with iconv; a sequence it cannot convert is handed to
// `replace`, which decides what stands in for it. `failed` reports that any
// replacement was made.
template <typename Replace>
std::string Convert(const char* to, const char* from, const std::string& input, Replace replace,
                    bool* failed) {
  *failed = false;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out;
  std::vector<char> buffer(input.size() * 4 + 16);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer.data(), outPtr);
    if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    *failed = true;  // invalid, unmappable or cut short
    Replacement stand = replace(in, inLeft);
    out += stand.bytes;
    std::size_t skip = std::min(stand.skip, inLeft);
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

bool IsHighSurrogate(const char* at, std::size_t left) {
  if (left < 2) return false;
  unsigned unit = static_cast<unsigned char>(at[0]) | (static_cast<unsigned char>(at[1]) << 8);
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(const char* at, std::size_t left) {
  if (left < 2) return false;
  unsigned unit = static_cast<unsigned char>(at[0]) | (static_cast<unsigned char>(at[1]) << 8);
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int bytes, LPWSTR wide,
                               int wideChars) {
  const char* name = CodePageName(codePage);
  if (!text || bytes == 0 || bytes < -1 || wideChars < 0 || (wideChars > 0 && !wide) || !name) {
    SetError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // With -1 the text is taken with its terminator, which is converted too.
  std::string input = bytes == -1 ? std::string(text, std::strlen(text) + 1)
                                  : std::string(text, static_cast<std::size_t>(bytes));
  // A byte that starts no character stands for itself as U+FFFD in UTF-8
  // and as '?' in code page 936.
  bool utf8 = std::strcmp(name, "UTF-8") == 0;
  std::string replacement = utf8 ? std::string("\xFD\xFF", 2) : std::string("?\0", 2);
  bool failed = false;
  std::string converted = Convert(
      "UTF-16LE", name, input,
      [&](const char*, std::size_t) {
        return Replacement{replacement, 1};
      },
      &failed);
  if (failed && (flags & MB_ERR_INVALID_CHARS)) {
    SetError(ERROR_NO_UNICODE_TRANSLATION);
    return 0;
  }
  int needed = static_cast<int>(converted.size() / 2);
  if (wideChars == 0) return needed;
  if (needed > wideChars) {
    SetError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(wide, converted.data(), converted.size());
  return needed;
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideChars, LPSTR text,
                               int bytes, LPCSTR defaultChar, BOOL* usedDefaultChar) {
  const char* name = CodePageName(codePage);
  bool utf8 = name && std::strcmp(name, "UTF-8") == 0;
  // UTF-8 can encode every character: a default character makes no sense there.
  if (!wide || wideChars == 0 || wideChars < -1 || bytes < 0 || (bytes > 0 && !text) || !name ||
      (utf8 && (defaultChar || usedDefaultChar))) {
    SetError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::size_t units = 0;
  if (wideChars == -1) {
    while (wide[units] != 0) ++units;
    ++units;  // the terminator is converted too
  } else {
    units = static_cast<std::size_t>(wideChars);
  }
  std::string input;
  input.reserve(units * 2);
  for (std::size_t i = 0; i < units; ++i) {
    input.push_back(static_cast<char>(wide[i] & 0xFF));
    input.push_back(static_cast<char>((wide[i] >> 8) & 0xFF));
  }
  // A character the code page lacks becomes the default character ('?'
  // unless the caller names one); a lone surrogate becomes U+FFFD in UTF-8.
  std::string stand = utf8 ? "\xEF\xBF\xBD" : std::string(defaultChar ? defaultChar : "?", 1);
  bool failed = false;
  std::string converted = Convert(
      name, "UTF-16LE", input,
      [&](const char* at, std::size_t left) {
        bool pair = IsHighSurrogate(at, left) && IsLowSurrogate(at + 2, left - 2);
        return Replacement{stand, pair ? 4u : 2u};
      },
      &failed);
  if (usedDefaultChar) *usedDefaultChar = failed ? TRUE : FALSE;
  int needed = static_cast<int>(converted.size());
  if (bytes == 0) return needed;
  if (needed > bytes) {
    SetError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(text, converted.data(), converted.size());
  return needed;
}
