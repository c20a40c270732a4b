// The game title of a theme: title.txt, one line of UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/theme/findings.h"

namespace theme {

// The title the file holds (without a byte-order mark or the line's end),
// or nothing, with the faults found, when the program cannot show it.
std::optional<std::string> CheckTitle(std::string_view fileBytes, Findings& findings);

// The title in code page 936, as the program holds its texts; nothing when
// a character has no place there.
std::optional<std::string> TitleInCodePage936(const std::string& utf8);

}  // namespace theme
