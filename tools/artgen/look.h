// The looks a button picture is drawn in.
#pragma once

namespace artgen {

enum class Look { kNormal, kHover, kPressed };

}  // namespace artgen
