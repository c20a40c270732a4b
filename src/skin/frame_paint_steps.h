// The pieces of the skinned frame and where each is painted, for a window
// of a given size and state: a calculation only, carried out by the frame's
// painting.
#pragma once

#include <vector>

#include "platform/win32api.h"

enum class FramePiece {
  CaptionLeft,
  CaptionMiddle,
  CaptionRight,
  LeftBorder,
  RightBorder,
  BottomLeft,
  BottomBorder,
  BottomRight,
};

struct FramePaintStep {
  FramePiece piece;
  RECT destination;  // window coordinates
  bool stretched;    // the whole picture scaled into the destination; else 1:1
};

struct FramePaintInput {
  int width = 0, height = 0;  // the window's
  int windowTop = 0;          // the window's top on the screen
  bool maximised = false;
  int captionHeight = 0;
  // Sizes of the pieces the positions derive from.
  SIZE captionLeft{}, captionRight{}, leftBorder{}, bottomLeft{}, bottomRight{};
};

std::vector<FramePaintStep> FramePaintSteps(const FramePaintInput& in);
