// The skinned frame's caption buttons: a glyph or a two-character label on
// a blue tile; the hover look is the same on a brighter tile.
#pragma once

#include <string>

#include "tools/artgen/canvas.h"
#include "tools/artgen/lettering.h"
#include "tools/artgen/look.h"

namespace artgen {

enum class CaptionGlyph { kClose, kMaximize, kRestore, kMinimize, kTray };

// 18 × 18.
Canvas CaptionGlyphButton(CaptionGlyph glyph, Look look);
// 38 × 18.
Canvas CaptionLabelButton(const Typesetter& type, const std::u32string& label, Look look);

}  // namespace artgen
