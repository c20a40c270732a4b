#include "desktop/portal_link.h"

#include <cctype>
#include <initializer_list>
#include <cstring>

#include "platform/win32api.h"

namespace {

bool StartsWithNoCase(const char* text, const char* prefix) {
  for (; *prefix; ++text, ++prefix) {
    if (std::tolower(static_cast<unsigned char>(*text)) != *prefix) return false;
  }
  return true;
}

}  // namespace

bool IsOpenablePortalLink(const char* link) {
  if (!link) return false;
  for (const char* scheme : {"http://", "https://"}) {
    if (StartsWithNoCase(link, scheme) && link[std::strlen(scheme)] != '\0') return true;
  }
  return false;
}

bool OpenPortalLink(const char* link) {
  if (!IsOpenablePortalLink(link)) return false;
  // No owner, default verb, no parameters or folder; the browser decides how
  // to show the page, so the show command is SW_HIDE as the shell expects
  // nothing of it. The shell's result is not needed.
  ShellExecuteA(nullptr, nullptr, link, nullptr, nullptr, SW_HIDE);
  return true;
}
