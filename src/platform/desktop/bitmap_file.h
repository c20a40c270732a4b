// Reads a .bmp file, as the resource compiler embeds it, into pixel words.
#pragma once

#include <optional>
#include <string_view>

#include "platform/desktop/gdi_state.h"

namespace desktop {

// Uncompressed 1-, 4-, 8-bit (palettised), 24- and 32-bit pictures,
// bottom-up or top-down. Anything malformed, truncated or larger than the
// desktop will hold gives nothing. A 1-bit picture gives a monochrome bitmap.
std::optional<Bitmap> ReadBitmapFile(std::string_view bytes);

}  // namespace desktop
