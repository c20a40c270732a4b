// The program icon for a Linux desktop's icon theme: each picture of the
// .ico file as a PNG under SIZExSIZE/apps/NAME.png.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace theme {

// Empty when every picture was written; else what went wrong.
std::string ExportIcons(std::string_view icoBytes, const std::filesystem::path& iconTheme,
                        const std::string& name);

}  // namespace theme
