// The artwork files under res/ (bitmaps/*.bmp, icons/*.ico), built into the
// program byte for byte, so that the portable desktop reads what the Windows
// resource compiler reads.
#pragma once

#include <string_view>

// The file's bytes by its path relative to res/; empty when there is none.
std::string_view EmbeddedResourceFile(std::string_view path);
