// The notification area's icons as status icons of the desktop's tray
// (where the session has one): the icon's picture and tip, a left click
// told to the window as its callback message, a right click likewise.
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <string>
#include <utility>

#include "platform/api/win_types.h"

namespace desktop::gtk {

class StatusIcons {
 public:
  StatusIcons() = default;
  ~StatusIcons();
  StatusIcons(const StatusIcons&) = delete;
  StatusIcons& operator=(const StatusIcons&) = delete;

  // Follows the desktop's notification area now.
  void Update();

 private:
  struct Shown {
    GtkStatusIcon* icon = nullptr;
    HICON picture = nullptr;
    std::string tip;
  };
  using Key = std::pair<HWND, UINT>;
  static void OnActivate(GtkStatusIcon* icon, gpointer);
  static void OnPopupMenu(GtkStatusIcon* icon, guint, guint, gpointer);

  std::map<Key, Shown> shown_;
};

}  // namespace desktop::gtk
