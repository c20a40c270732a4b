// MultiByteToWideChar for the code pages the program meets: the ANSI code
// page (936 here) and UTF-8.
#include <cstring>
#include <string>

#include "platform/api/kernel_functions.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/state.h"

using desktop::SetError;

int WINAPI MultiByteToWideChar(UINT codePage, DWORD, LPCSTR text, int bytes, LPWSTR wide,
                               int wideChars) {
  if (!text || bytes == 0 || bytes < -1 || wideChars < 0 || (wideChars > 0 && !wide) ||
      (codePage != CP_ACP && codePage != 936 && codePage != CP_UTF8)) {
    SetError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // With -1 the text is taken with its terminator, which is converted too.
  std::string input = bytes == -1 ? std::string(text, std::strlen(text) + 1)
                                  : std::string(text, static_cast<std::size_t>(bytes));
  std::u16string converted = desktop::Cp936ToUtf16(
      codePage == CP_UTF8 ? desktop::Utf8ToCp936(input) : input);
  int needed = static_cast<int>(converted.size());
  if (wideChars == 0) return needed;
  if (needed > wideChars) {
    SetError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(wide, converted.data(), converted.size() * sizeof(WCHAR));
  return needed;
}
