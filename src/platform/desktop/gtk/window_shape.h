// The part of a top-level window the screen shows: its rectangle within its
// window region, less the pixels of its layered colour key. Window
// coordinates; a window drawn whole gives its full rectangle.
#pragma once

#include "platform/desktop/region_model.h"

namespace desktop {
struct Window;
}

namespace desktop::gtk {

Region ShownShape(Window& w);

}  // namespace desktop::gtk
