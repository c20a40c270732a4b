// One picture to look the artwork over: the launcher as the player sees it
// (buttons on the background, see-through pixels as a checkerboard), then
// every picture magnified, its key pixels shown the same way.
#pragma once

#include "tools/artgen/artwork.h"
#include "tools/artgen/canvas.h"

namespace artgen {

Canvas ContactSheet(const Artwork& artwork);

}  // namespace artgen
