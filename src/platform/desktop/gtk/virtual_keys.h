// GDK key values as the virtual keys of the desktop.
#pragma once

#include <gdk/gdk.h>

namespace desktop::gtk {

// The virtual key of a key value; kUnmappedKey for keys the desktop has no
// name for (they still reach a page's view).
constexpr int kUnmappedKey = 0xFF;
int VirtualKeyOf(guint keyval);

}  // namespace desktop::gtk
