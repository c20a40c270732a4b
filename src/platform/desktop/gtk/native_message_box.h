// A message box of the program shown as a GTK message dialog: the box's
// caption, text, icon and buttons, in the middle of the screen as Windows
// places its boxes. A button pressed is posted to the desktop's box as its
// WM_COMMAND, which ends the box's loop as a click on its own button would.
#pragma once

#include <gtk/gtk.h>

#include "platform/api/win_types.h"

namespace desktop {
struct MessageBoxRecord;
}

namespace desktop::gtk {

class NativeMessageBox {
 public:
  // Shown at once, above `owner` (a GTK window of the program, or null).
  NativeMessageBox(const MessageBoxRecord& box, GtkWidget* owner);
  ~NativeMessageBox();
  NativeMessageBox(const NativeMessageBox&) = delete;
  NativeMessageBox& operator=(const NativeMessageBox&) = delete;

  GtkWidget* dialog() const { return dialog_; }
  // The dialog's button that answers `id` (IDYES, IDOK, ...), or null.
  GtkWidget* ButtonFor(int id) const;

 private:
  static void OnResponse(GtkDialog*, gint response, gpointer self);

  HWND box_;
  GtkWidget* dialog_;
  bool closable_;  // the box has an answer for Esc and the window's close
};

}  // namespace desktop::gtk
