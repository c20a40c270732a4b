// Writes pixel words as an 8-bit RGB PNG file.
#pragma once

#include <string>

#include "platform/desktop/gdi_state.h"

namespace desktop {

bool WritePng(const std::string& path, Bitmap& pixels, RECT area);

}  // namespace desktop
