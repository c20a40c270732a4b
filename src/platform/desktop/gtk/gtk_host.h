// The GTK host: shows the portable desktop on a real display. The real
// clock drives timers; while the program waits for input, GLib's main loop
// runs (GTK's events, WebKit's replies), and before it blocks every
// top-level window is shown as it is now: an undecorated GTK window with
// the window's own pixels, shaped by its window region and colour key.
// Mouse and keyboard events on those windows go into the desktop's input
// queue. A browser child window is a WebKit view placed over its rectangle;
// the notification area's icons are status icons, pop-up menus GTK's, and
// message boxes GTK's message dialogs.
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

#include "platform/desktop/gtk/status_icons.h"
#include "platform/desktop/gtk/web_context.h"
#include "platform/desktop/gtk/website_records.h"
#include "platform/desktop/host.h"
#include "platform/desktop/xdg/xdg_services.h"

namespace desktop::gtk {

class NativeMessageBox;
class WindowMirror;

class GtkHost final : public Host {
 public:
  GtkHost();  // GTK is initialised
  ~GtkHost() override;
  GtkHost(const GtkHost&) = delete;
  GtkHost& operator=(const GtkHost&) = delete;

  DWORD Now() const override;
  bool WaitForInput(std::optional<DWORD> deadline) override;
  // The box is shown as a GTK message dialog instead of the desktop's own box window.
  void MessageBoxOpened(HWND box) override;
  void MenuOpened() override;
  bool IsKeyDown(int virtualKey) const override { return held_.count(virtualKey) != 0; }
  void OpenWebAddress(const std::string& cp936Address) override;
  std::unique_ptr<web::WebEngine> CreateWebEngine(web::EngineClient& client, HWND browser) override;
  // The desktop's launchers and autostart entries (xdg::XdgServices).
  void ShortcutSaved(const std::string& cp936LinkPath, const ShellLinkFields& link) override;
  void StartupCommandSet(const std::string& cp936Name, const std::string& cp936CommandLine) override;
  void StartupCommandDeleted(const std::string& cp936Name) override;
  std::optional<StartupEntryState> StartupEntry(const std::string& cp936Name) override;
  // WebKit's website data (WebsiteRecords).
  std::vector<WebsiteDataEntry> WebsiteData() override;
  bool RemoveWebsiteData(const std::string& cp936Url) override;

  // Brings the display up to date with the desktop's windows now.
  void ShowDesktop();
  // The GTK window that shows a top-level window, or null while it has none.
  GtkWidget* GtkWindowOf(HWND topLevel) const;
  // The dialog that shows an open message box, or null.
  const NativeMessageBox* NativeBoxOf(HWND box) const;

  // The web engine's context of this run (its cache and data folders).
  WebKitWebContext* webContext() { return webContext_.get(); }

  // A widget shown over a child window's rectangle, moving and hiding with
  // it. The host holds a reference until Unembed, which destroys it.
  void Embed(HWND child, GtkWidget* widget);
  void Unembed(HWND child);

  // Runs `task` once a window has shown its first frame, at once when one
  // has: what the first frame does not need waits for it. The id cancels it.
  int AfterFirstFrame(std::function<void()> task);
  void CancelAfterFirstFrame(int id);
  // A mirror drew its window.
  void FrameDrawn();
  bool firstFrameDrawn() const { return framed_; }

  // Input from the mirrors.
  void KeyEvent(const GdkEventKey& event);
  void HoldKey(int virtualKey, bool down);
  // The last key press of a virtual key that the desktop has not yet
  // handed on (a page gets it through its own widget); null when none.
  GdkEvent* TakeKeyPress(int virtualKey);

 private:
  void PlaceEmbedded();
  void Raise(HWND topLevel);

  gint64 start_;
  std::map<HWND, std::unique_ptr<WindowMirror>> mirrors_;
  std::map<HWND, std::unique_ptr<NativeMessageBox>> boxes_;
  std::map<HWND, GtkWidget*> embedded_;
  StatusIcons statusIcons_;
  WebContext webContext_;
  WebsiteRecords websiteRecords_{webContext_};  // holds WebKit's records: goes before the context
  xdg::XdgServices xdg_;
  std::set<int> held_;
  std::map<int, GdkEvent*> keyPresses_;
  HWND raised_ = nullptr;
  bool framed_ = false;                                   // a first frame was drawn
  std::map<int, std::function<void()>> afterFirstFrame_;  // by id, in order
  int nextTaskId_ = 1;
  guint afterFirstFrameSource_ = 0;
};

}  // namespace desktop::gtk
