// The eight pieces the skinned window frame is painted from.
#pragma once

#include "tools/artgen/canvas.h"

namespace artgen {

Canvas CaptionLeftPiece();
Canvas CaptionMiddlePiece();
Canvas CaptionRightPiece();
Canvas LeftBorderPiece();
Canvas RightBorderPiece();
Canvas BottomLeftPiece();
Canvas BottomBorderPiece();
Canvas BottomRightPiece();

}  // namespace artgen
