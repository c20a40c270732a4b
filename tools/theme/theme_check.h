// A theme folder against what the program needs of it: every picture, the
// icon and the title, each fault named with its file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "tools/theme/findings.h"

namespace theme {

struct ThemeCheck {
  Findings findings;
  std::optional<std::string> title;  // UTF-8, when it can be shown
};

ThemeCheck CheckTheme(const std::filesystem::path& folder);

}  // namespace theme
