// The program's icon: 64 × 64 with its own opacity, drawn by the frame at
// 16 × 16 and by the system wherever it shows the program.
#pragma once

#include "tools/artgen/image_files.h"
#include "tools/artgen/lettering.h"

namespace artgen {

TranslucentPicture ProgramIcon(const Typesetter& type);

}  // namespace artgen
