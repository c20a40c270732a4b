// The launcher's window picture (1008 × 601): a framed body whose middle
// is the dark panel under the login page, a band for the buttons along its
// top, and a banner hanging at its left. The key colour around them is
// where the window is see-through.
#pragma once

#include "tools/artgen/canvas.h"
#include "tools/artgen/lettering.h"

namespace artgen {

inline constexpr int kLauncherWidth = 1008;
inline constexpr int kLauncherHeight = 601;

// Where the login page lies, in window pixels (right and bottom exclusive).
struct PixelRect {
  int left, top, right, bottom;
};
inline constexpr PixelRect kLoginPageRect{271, 166, 953, 583};

Canvas LauncherBackground(const Typesetter& type);

}  // namespace artgen
