// Writes shell link (.lnk) files in the documented binary format
// (MS-SHLLINK): the header, the link information with the target's local
// path (in the ANSI code page and in UTF-16), and the string data, with
// no target item list. Readers that follow the format read them back.
#pragma once

#include <string>

#include "platform/api/win_types.h"

namespace desktop {

struct ShellLinkFields {
  std::string target;  // code page 936 bytes, "C:\..." for a local path
  std::string workingDirectory;
  std::string arguments;
  std::string description;
  std::string iconLocation;
  int iconIndex = 0;
  int showCommand = 1;  // SW_SHOWNORMAL
  WORD hotkey = 0;
};

std::string EncodeShellLink(const ShellLinkFields& fields);

}  // namespace desktop
