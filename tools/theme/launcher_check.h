// The launcher's pictures together, where they sit in its window: the
// login page's panel solid, and no two buttons solid at the same pixel.
#pragma once

#include "tools/theme/findings.h"
#include "tools/theme/picture_check.h"

namespace theme {

void CheckLauncherLayout(const ReadPictures& pictures, Findings& findings);

}  // namespace theme
