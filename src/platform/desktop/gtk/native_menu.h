// The desktop's open pop-up menu shown as a GTK menu: choosing an item or
// closing the menu is the user's answer (desktop::ChooseFromOpenMenu).
#pragma once

#include <gtk/gtk.h>

#include "platform/api/win_types.h"

namespace desktop::gtk {

void PopUpNativeMenu(HMENU menu, POINT screenPoint, GtkWidget* ownerWindow);

}  // namespace desktop::gtk
