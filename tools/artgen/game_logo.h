// The game's logo for the launcher (231 × 140): a gold-rimmed crest with a
// gem on top and a ribbon below, shaped so that it stays clear of the link
// buttons beside its lower corners.
#pragma once

#include "tools/artgen/canvas.h"
#include "tools/artgen/lettering.h"

namespace artgen {

Canvas GameLogo(const Typesetter& type);

}  // namespace artgen
