// A picture of where a theme's pictures go, for the theme's documentation:
// the launcher with every button's picture and the login page outlined and
// named, see-through pixels as a checkerboard; and the top of a normal game
// window of 1000 pixels, painted from the frame pieces and caption buttons
// where the frame puts them, each named.
#pragma once

#include "tools/artgen/artwork.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/lettering.h"

namespace artgen {

Canvas LayoutSheet(const Artwork& artwork, const Typesetter& type);

}  // namespace artgen
