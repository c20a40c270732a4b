#include "platform/desktop/gtk/window_mirror.h"

#include <cstring>

#include "platform/desktop/codepage.h"
#include "platform/desktop/gdi_internal.h"
#include "platform/desktop/gtk/gtk_host.h"
#include "platform/desktop/gtk/window_shape.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/startup_timings.h"

namespace desktop::gtk {
namespace {

int ButtonKey(guint button) {
  if (button == 1) return VK_LBUTTON;
  if (button == 3) return VK_RBUTTON;
  return 0;
}

POINT ScreenPoint(double xRoot, double yRoot) {
  return POINT{static_cast<LONG>(xRoot), static_cast<LONG>(yRoot)};
}

cairo_region_t* ToCairo(const Region& region) {
  cairo_region_t* out = cairo_region_create();
  for (const RECT& r : region.Rects()) {
    cairo_rectangle_int_t rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    cairo_region_union_rectangle(out, &rect);
  }
  return out;
}

}  // namespace

WindowMirror::WindowMirror(GtkHost& host, HWND hwnd)
    : host_(host),
      hwnd_(hwnd),
      window_(gtk_window_new(GTK_WINDOW_TOPLEVEL)),
      fixed_(gtk_fixed_new()),
      canvas_(gtk_drawing_area_new()) {
  gtk_window_set_decorated(GTK_WINDOW(window_), FALSE);
  gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
  gtk_container_add(GTK_CONTAINER(window_), fixed_);
  gtk_fixed_put(GTK_FIXED(fixed_), canvas_, 0, 0);
  gtk_widget_add_events(canvas_, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                     GDK_POINTER_MOTION_MASK | GDK_LEAVE_NOTIFY_MASK);
  gtk_widget_add_events(window_, GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK);
  g_signal_connect(canvas_, "draw", G_CALLBACK(OnDraw), this);
  g_signal_connect(canvas_, "button-press-event", G_CALLBACK(OnButton), this);
  g_signal_connect(canvas_, "button-release-event", G_CALLBACK(OnButton), this);
  g_signal_connect(canvas_, "motion-notify-event", G_CALLBACK(OnMotion), this);
  g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKey), this);
  g_signal_connect(window_, "key-release-event", G_CALLBACK(OnKey), this);
  g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
  gtk_widget_show(fixed_);
  gtk_widget_show(canvas_);
}

WindowMirror::~WindowMirror() { gtk_widget_destroy(window_); }

void WindowMirror::Update(Window& w) {
  bool visible = (w.style & WS_VISIBLE) && !(w.style & WS_MINIMIZE);
  if (!visible) {
    if (shown_) gtk_widget_hide(window_);
    shown_ = false;
    return;
  }

  std::string title = Cp936ToUtf8(w.text);
  if (title != title_) {
    title_ = title;
    gtk_window_set_title(GTK_WINDOW(window_), title_.c_str());
  }

  Bitmap& surface = SurfaceOf(w);
  bool resized = surface.width != width_ || surface.height != height_;
  if (resized) {
    width_ = surface.width;
    height_ = surface.height;
    gtk_widget_set_size_request(canvas_, std::max(width_, 1), std::max(height_, 1));
    gtk_window_resize(GTK_WINDOW(window_), std::max(width_, 1), std::max(height_, 1));
  }
  // The copy is refreshed only where the window's pixels changed since,
  // and only looked at when something may have drawn on them.
  bool mayHaveChanged = resized || &surface != copied_ || surface.drawnOn != copiedDrawnOn_;
  copied_ = &surface;
  copiedDrawnOn_ = surface.drawnOn;
  pixels_.resize(static_cast<std::size_t>(width_) * height_);
  std::size_t rowBytes = static_cast<std::size_t>(width_) * sizeof(std::uint32_t);
  bool repainted = false;
  for (int y = 0; mayHaveChanged && y < height_; ++y) {
    std::uint32_t* copy = &pixels_[static_cast<std::size_t>(y) * width_];
    if (std::memcmp(copy, surface.Row(y), rowBytes) != 0) {
      std::memcpy(copy, surface.Row(y), rowBytes);
      repainted = true;
    }
  }
  if (repainted) gtk_widget_queue_draw(canvas_);
  if (repainted || resized || !shaped_) {
    startup::Scope timing("window regions", true);
    Region shape = ShownShape(w);
    if (!shaped_ || !(shape == shape_)) ApplyShape(shape);
  }

  if (w.rect.left != placed_.left || w.rect.top != placed_.top) {
    gtk_window_move(GTK_WINDOW(window_), w.rect.left, w.rect.top);
  }
  placed_ = w.rect;
  if (!shown_) {
    startup::Moment("window shown");
    gtk_widget_show(window_);
    gtk_window_move(GTK_WINDOW(window_), w.rect.left, w.rect.top);
    shown_ = true;
  }
}

void WindowMirror::ApplyShape(const Region& shape) {
  shape_ = shape;
  shaped_ = true;
  cairo_region_t* region = ToCairo(shape);
  gtk_widget_shape_combine_region(window_, region);
  gtk_widget_input_shape_combine_region(window_, region);
  cairo_region_destroy(region);
}

gboolean WindowMirror::OnDraw(GtkWidget*, cairo_t* cr, gpointer self) {
  auto* mirror = static_cast<WindowMirror*>(self);
  if (mirror->pixels_.empty()) return TRUE;
  mirror->host_.FrameDrawn();
  cairo_surface_t* image = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(mirror->pixels_.data()), CAIRO_FORMAT_RGB24,
      mirror->width_, mirror->height_, mirror->width_ * 4);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_paint(cr);
  cairo_surface_destroy(image);
  return TRUE;
}

gboolean WindowMirror::OnButton(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* mirror = static_cast<WindowMirror*>(self);
  int key = ButtonKey(event->button);
  // Double clicks come as two presses; GTK's extra events are dropped.
  if (!key || event->type == GDK_2BUTTON_PRESS || event->type == GDK_3BUTTON_PRESS) return TRUE;
  bool down = event->type == GDK_BUTTON_PRESS;
  InjectMouseMove(ScreenPoint(event->x_root, event->y_root));
  mirror->host_.HoldKey(key, down);
  InjectMouseButton(key, down);
  return TRUE;
}

gboolean WindowMirror::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer) {
  InjectMouseMove(ScreenPoint(event->x_root, event->y_root));
  return TRUE;
}

gboolean WindowMirror::OnKey(GtkWidget*, GdkEventKey* event, gpointer self) {
  static_cast<WindowMirror*>(self)->host_.KeyEvent(*event);
  return TRUE;  // the desktop decides where keys go, a page's view included
}

gboolean WindowMirror::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
  // Closing from the window manager is the window menu's Close.
  PostMessageA(static_cast<WindowMirror*>(self)->hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
  return TRUE;
}

}  // namespace desktop::gtk
