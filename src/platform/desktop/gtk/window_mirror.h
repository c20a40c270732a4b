// One top-level window of the desktop shown on the display: an undecorated
// GTK window at the window's rectangle, painting a copy of its pixels,
// shaped (drawing and input) by its window region and layered colour key,
// and feeding the mouse and keys it receives to the desktop.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/api/win_types.h"
#include "platform/desktop/region_model.h"

namespace desktop {
struct Bitmap;
struct Window;
}

namespace desktop::gtk {

class GtkHost;

class WindowMirror {
 public:
  WindowMirror(GtkHost& host, HWND hwnd);
  ~WindowMirror();
  WindowMirror(const WindowMirror&) = delete;
  WindowMirror& operator=(const WindowMirror&) = delete;

  // Follows the window: position, size, title, pixels, shape, shown or not.
  void Update(Window& w);
  GtkWidget* window() const { return window_; }
  GtkFixed* layer() const { return GTK_FIXED(fixed_); }
  bool shown() const { return shown_; }

 private:
  static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer self);
  static gboolean OnButton(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self);
  static gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer self);
  static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);
  void ApplyShape(const Region& shape);

  GtkHost& host_;
  HWND hwnd_;
  GtkWidget* window_;
  GtkWidget* fixed_;
  GtkWidget* canvas_;
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
  const Bitmap* copied_ = nullptr;   // the surface pixels_ was last compared with
  std::uint64_t copiedDrawnOn_ = 0;  // its drawnOn then
  Region shape_;
  bool shaped_ = false;
  RECT placed_{-1, -1, -1, -1};
  std::string title_;
  bool shown_ = false;
};

}  // namespace desktop::gtk
