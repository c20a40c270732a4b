#include "skin/frame_paint_steps.h"

std::vector<FramePaintStep> FramePaintSteps(const FramePaintInput& in) {
  const int w = in.width, h = in.height, cy = in.captionHeight;
  if (in.maximised) {
    // Only the title band, down to three rows below the screen's caption height.
    return {{FramePiece::CaptionMiddle, RECT{0, 0, w, cy - in.windowTop + 3}, true}};
  }
  const int lw = in.captionLeft.cx, lh = in.captionLeft.cy, crw = in.captionRight.cx;
  const int lbw = in.leftBorder.cx, blh = in.bottomLeft.cy, brw = in.bottomRight.cx;
  const RECT side{0, lh, lbw, h - blh};
  // Borders go over the title bar's ends, so they come after it.
  return {
      {FramePiece::CaptionLeft, RECT{0, 0, lw, cy}, true},
      {FramePiece::CaptionMiddle, RECT{lw, 0, w - crw, cy}, true},
      {FramePiece::CaptionRight, RECT{w - crw, 0, w, cy}, true},
      {FramePiece::LeftBorder, side, true},
      {FramePiece::RightBorder, RECT{w - crw, side.top, w, side.bottom}, true},
      {FramePiece::BottomLeft, RECT{0, side.bottom, lbw, h}, false},
      {FramePiece::BottomBorder, RECT{lbw, side.bottom, w - brw, h}, true},
      {FramePiece::BottomRight, RECT{w - brw, side.bottom, w, h}, false},
  };
}
