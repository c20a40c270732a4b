#include "platform/desktop/gtk/gtk_host.h"

#include <algorithm>
#include <vector>

#include "platform/desktop/codepage.h"
#include "platform/desktop/display_host.h"
#include "platform/desktop/gdi_internal.h"
#include "platform/desktop/gtk/native_menu.h"
#include "platform/desktop/gtk/native_message_box.h"
#include "platform/desktop/gtk/virtual_keys.h"
#include "platform/desktop/gtk/webkit_engine.h"
#include "platform/desktop/gtk/window_mirror.h"
#include "platform/desktop/input.h"
#include "platform/desktop/startup_timings.h"
#include "platform/desktop/state.h"

namespace desktop::gtk {
namespace {

gboolean MarkPassed(gpointer passed) {
  *static_cast<bool*>(passed) = true;
  return G_SOURCE_REMOVE;
}

// Whether a child window and every window above it are visible.
bool ShownWithParents(State& s, const Window& w) {
  for (const Window* current = &w; current; current = s.Find(current->parent)) {
    if (!(current->style & WS_VISIBLE)) return false;
    if (!current->parent) break;
  }
  return true;
}

}  // namespace

GtkHost::GtkHost() : start_(g_get_monotonic_time()) {}

GtkHost::~GtkHost() {
  if (afterFirstFrameSource_) g_source_remove(afterFirstFrameSource_);
  for (auto& [child, widget] : embedded_) {
    gtk_widget_destroy(widget);
    g_object_unref(widget);
  }
  for (auto& [key, event] : keyPresses_) gdk_event_free(event);
  boxes_.clear();
  mirrors_.clear();
}

DWORD GtkHost::Now() const {
  return static_cast<DWORD>((g_get_monotonic_time() - start_) / 1000);
}

bool GtkHost::WaitForInput(std::optional<DWORD> deadline) {
  ShowDesktop();
  if (deadline && static_cast<int>(*deadline - Now()) <= 0) {
    g_main_context_iteration(nullptr, FALSE);
    return true;
  }
  bool passed = false;
  guint timer = 0;
  if (deadline) timer = g_timeout_add(*deadline - Now(), MarkPassed, &passed);
  g_main_context_iteration(nullptr, TRUE);
  if (timer && !passed) g_source_remove(timer);
  return true;
}

void GtkHost::ShowDesktop() {
  State& s = Current();
  // Boxes that ended lose their dialogs; windows that went away, or that a
  // dialog shows, lose their mirrors.
  for (auto it = boxes_.begin(); it != boxes_.end();) {
    it = s.Find(it->first) ? std::next(it) : boxes_.erase(it);
  }
  for (auto it = mirrors_.begin(); it != mirrors_.end();) {
    Window* w = s.Find(it->first);
    it = w && !w->parent && !boxes_.count(it->first) ? std::next(it) : mirrors_.erase(it);
  }
  for (HWND hwnd : s.topLevels) {
    Window* w = s.Find(hwnd);
    if (!w || boxes_.count(hwnd)) continue;
    auto& mirror = mirrors_[hwnd];
    if (!mirror) mirror = std::make_unique<WindowMirror>(*this, hwnd);
    mirror->Update(*w);
  }
  PlaceEmbedded();
  statusIcons_.Update();
  if (s.active != raised_) Raise(s.active);
}

void GtkHost::Raise(HWND topLevel) {
  auto it = mirrors_.find(topLevel);
  if (it == mirrors_.end() || !it->second->shown()) return;
  gtk_window_present(GTK_WINDOW(it->second->window()));
  raised_ = topLevel;
}

GtkWidget* GtkHost::GtkWindowOf(HWND topLevel) const {
  auto it = mirrors_.find(topLevel);
  return it == mirrors_.end() ? nullptr : it->second->window();
}

const NativeMessageBox* GtkHost::NativeBoxOf(HWND box) const {
  auto it = boxes_.find(box);
  return it == boxes_.end() ? nullptr : it->second.get();
}

void GtkHost::MessageBoxOpened(HWND box) {
  const State& s = Current();
  for (const MessageBoxRecord& record : s.boxes) {
    if (record.box != box || !record.open) continue;
    boxes_[box] = std::make_unique<NativeMessageBox>(record, GtkWindowOf(record.owner));
    return;
  }
}

void GtkHost::Embed(HWND child, GtkWidget* widget) {
  g_object_ref_sink(widget);
  embedded_[child] = widget;
}

void GtkHost::Unembed(HWND child) {
  auto it = embedded_.find(child);
  if (it == embedded_.end()) return;
  gtk_widget_destroy(it->second);
  g_object_unref(it->second);
  embedded_.erase(it);
}

void GtkHost::PlaceEmbedded() {
  State& s = Current();
  for (auto& [child, widget] : embedded_) {
    Window* w = s.Find(child);
    auto mirror = w ? mirrors_.find(TopLevelOf(child)) : mirrors_.end();
    if (mirror == mirrors_.end()) {
      gtk_widget_hide(widget);
      continue;
    }
    GtkFixed* layer = mirror->second->layer();
    POINT at = OriginOnSurface(*w, false);
    if (gtk_widget_get_parent(widget) != GTK_WIDGET(layer)) {
      if (GtkWidget* old = gtk_widget_get_parent(widget)) {
        gtk_container_remove(GTK_CONTAINER(old), widget);
      }
      gtk_fixed_put(layer, widget, at.x, at.y);
    } else {
      // Moving queues a new layout even to the same place: only real moves.
      int x = 0, y = 0;
      gtk_container_child_get(GTK_CONTAINER(layer), widget, "x", &x, "y", &y, nullptr);
      if (x != at.x || y != at.y) gtk_fixed_move(layer, widget, at.x, at.y);
    }
    gtk_widget_set_size_request(widget, std::max<LONG>(w->rect.right - w->rect.left, 1),
                                std::max<LONG>(w->rect.bottom - w->rect.top, 1));
    gtk_widget_set_visible(widget, ShownWithParents(s, *w));
  }
}

int GtkHost::AfterFirstFrame(std::function<void()> task) {
  if (framed_ && !afterFirstFrameSource_) {
    task();
    return 0;
  }
  int id = nextTaskId_++;
  afterFirstFrame_[id] = std::move(task);
  return id;
}

void GtkHost::CancelAfterFirstFrame(int id) { afterFirstFrame_.erase(id); }

void GtkHost::FrameDrawn() {
  if (framed_) return;
  framed_ = true;
  startup::Moment("first window's first frame");
  startup::PrintSums();  // what the frame waited for
  // Once GLib's loop is idle: the frame being drawn reaches the screen first.
  afterFirstFrameSource_ = g_idle_add(
      [](gpointer self) -> gboolean {
        auto* host = static_cast<GtkHost*>(self);
        host->afterFirstFrameSource_ = 0;
        while (!host->afterFirstFrame_.empty()) {
          std::function<void()> task = std::move(host->afterFirstFrame_.begin()->second);
          host->afterFirstFrame_.erase(host->afterFirstFrame_.begin());
          task();
        }
        return G_SOURCE_REMOVE;
      },
      this);
}

void GtkHost::KeyEvent(const GdkEventKey& event) {
  int key = VirtualKeyOf(event.keyval);
  bool down = event.type == GDK_KEY_PRESS;
  if (down) {
    auto& kept = keyPresses_[key];
    if (kept) gdk_event_free(kept);
    kept = gdk_event_copy(reinterpret_cast<const GdkEvent*>(&event));
  }
  HoldKey(key, down);
  InjectKey(key, down);
}

void GtkHost::HoldKey(int virtualKey, bool down) {
  if (down) held_.insert(virtualKey);
  else held_.erase(virtualKey);
}

GdkEvent* GtkHost::TakeKeyPress(int virtualKey) {
  auto it = keyPresses_.find(virtualKey);
  if (it == keyPresses_.end()) return nullptr;
  GdkEvent* event = it->second;
  keyPresses_.erase(it);
  return event;
}

void GtkHost::MenuOpened() {
  State& s = Current();
  if (!s.menus.tracking) return;
  const MenuRecord& record = s.menus.shown[*s.menus.tracking];
  PopUpNativeMenu(record.menu, record.position, GtkWindowOf(TopLevelOf(record.owner)));
}

void GtkHost::OpenWebAddress(const std::string& cp936Address) {
  std::string address = Cp936ToUtf8(cp936Address);
  GError* error = nullptr;
  if (!g_app_info_launch_default_for_uri(address.c_str(), nullptr, &error)) {
    Log("the default browser could not open " + cp936Address + ": " + Utf8ToCp936(error->message));
    g_error_free(error);
  }
}

std::unique_ptr<web::WebEngine> GtkHost::CreateWebEngine(web::EngineClient& client, HWND browser) {
  return std::make_unique<WebKitEngine>(client, *this, browser);
}

void GtkHost::ShortcutSaved(const std::string& cp936LinkPath, const ShellLinkFields& link) {
  startup::Scope timing("desktop launchers", true);
  std::string launcher = xdg_.ShortcutSaved(cp936LinkPath, link);
  if (!launcher.empty()) Log("launcher written: " + Utf8ToCp936(launcher));
}

void GtkHost::StartupCommandSet(const std::string& cp936Name, const std::string& cp936CommandLine) {
  if (!xdg_.StartupCommandSet(cp936Name, cp936CommandLine)) {
    Log("no autostart entry for " + cp936Name + ": its program is not a file of this machine");
  }
}

void GtkHost::StartupCommandDeleted(const std::string& cp936Name) { xdg_.StartupCommandDeleted(cp936Name); }

std::optional<StartupEntryState> GtkHost::StartupEntry(const std::string& cp936Name) {
  return xdg_.StartupEntry(cp936Name);
}

std::vector<WebsiteDataEntry> GtkHost::WebsiteData() { return websiteRecords_.List(); }

bool GtkHost::RemoveWebsiteData(const std::string& cp936Url) { return websiteRecords_.Remove(cp936Url); }

}  // namespace desktop::gtk

namespace desktop {

bool UseDisplayHost(SessionOptions& options) {
  // The desktop places its windows itself (launcher centred, its own move and
  // size loops, menus at screen points), which Wayland does not allow a
  // client: on a Wayland session the windows go through XWayland when it is there.
  gdk_set_allowed_backends("x11,*");
  {
    startup::Scope timing("gtk init");
    if (!gtk_init_check(nullptr, nullptr)) return false;
  }
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
  if (!monitor && display) monitor = gdk_display_get_monitor(display, 0);
  if (monitor) {
    GdkRectangle screen, work;
    gdk_monitor_get_geometry(monitor, &screen);
    gdk_monitor_get_workarea(monitor, &work);
    options.screenWidth = screen.width;
    options.screenHeight = screen.height;
    options.workArea = RECT{work.x, work.y, work.x + work.width, work.y + work.height};
  }
  options.host = std::make_unique<gtk::GtkHost>();
  // On the desktop the user writes their own autostart entries, which the
  // machine's Run key stands for.
  options.elevatedUser = true;
  return true;
}

}  // namespace desktop
