// The pictures of a theme, each against its entry in the list of theme
// files: present, a 24-bit bottom-up bitmap of its size, the key colour
// only where it may stand, and the same outline in every look of a button.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "tools/artgen/canvas.h"
#include "tools/theme/findings.h"

namespace theme {

// The pictures that could be read, by path, for the checks of the layout.
inline bool IsKeyPixel(const artgen::Canvas& picture, int x, int y) {
  return picture.At(x, y) == artgen::kKeyColor;
}

using ReadPictures = std::map<std::string, artgen::Canvas>;

ReadPictures CheckPictures(const std::filesystem::path& folder, Findings& findings);

}  // namespace theme
