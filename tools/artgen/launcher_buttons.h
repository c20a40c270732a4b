// The launcher's button pictures. Each is shaped by the key colour; the
// hover and pressed looks keep exactly the key pixels of the normal look,
// because the button's region is cut from the normal picture alone.
#pragma once

#include <string>

#include "tools/artgen/canvas.h"
#include "tools/artgen/lettering.h"
#include "tools/artgen/look.h"

namespace artgen {

// 33 × 33: a round button with a cross.
Canvas LauncherCloseButton(Look look);
// 30 × 30: a round button with a bar, level with the close button.
Canvas LauncherMinimizeButton(Look look);
// 78 × 23: a rounded tab with the page's name.
Canvas PortalLinkButton(const Typesetter& type, const std::u32string& label, Look look);

}  // namespace artgen
