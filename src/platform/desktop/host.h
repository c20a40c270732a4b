// The host seam: what the portable desktop asks of whatever shows it. The
// headless host (tests, tessal-sim) answers from a virtual clock and a
// scripted user; a display host answers from the real clock and real input.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <vector>

#include "platform/api/win_types.h"
#include "platform/desktop/lnk_writer.h"

namespace desktop {

namespace web {
class EngineClient;
class WebEngine;
}  // namespace web

// A start-up command as the desktop keeps it.
struct StartupEntryState {
  bool present = false;
  std::string cp936CommandLine;  // the command line it starts
};

// An item of the web engine's website data, as the URL cache lists it.
struct WebsiteDataEntry {
  std::string cp936Url;
  DWORD cacheEntryType = 0;  // NORMAL_CACHE_ENTRY, or COOKIE_CACHE_ENTRY for cookies
};

class Host {
 public:
  virtual ~Host() = default;

  // Milliseconds on the host's clock (GetTickCount).
  virtual DWORD Now() const = 0;

  // Called when the thread's queue is empty. `deadline` is the clock value at
  // which the next timer falls due, if any. The host returns once something
  // may have changed (input arrived, a box was answered, the deadline passed);
  // it returns false when no input will ever come again, which ends the run.
  virtual bool WaitForInput(std::optional<DWORD> deadline) = 0;

  // A message box window has opened; the host arranges for the user to
  // answer it (by sending it WM_COMMAND with a button id).
  virtual void MessageBoxOpened(HWND box) = 0;

  // A pop-up menu has opened; the host arranges for the user to choose from
  // it or dismiss it (desktop::ChooseFromOpenMenu). A host that never does
  // leaves the menu open until input ends.
  virtual void MenuOpened() {}

  // Whether the key is held down right now (GetAsyncKeyState).
  virtual bool IsKeyDown(int virtualKey) const = 0;

  // The program opens an http(s) address with the shell (UTF-8 from code
  // page 936 is the host's business): a display host shows it in the
  // user's browser; the headless host only records it.
  virtual void OpenWebAddress(const std::string& /*cp936Address*/) {}

  // The program saved a shortcut file (a Windows path): a display host
  // adds the desktop's own launcher for the desktop and Quick Launch.
  virtual void ShortcutSaved(const std::string& /*cp936LinkPath*/, const ShellLinkFields& /*link*/) {}

  // A value of a Run key (the machine's or the user's) was set or deleted;
  // a display host keeps the desktop's autostart entry of that name.
  virtual void StartupCommandSet(const std::string& /*cp936Name*/,
                                 const std::string& /*cp936CommandLine*/) {}
  virtual void StartupCommandDeleted(const std::string& /*cp936Name*/) {}
  // The desktop's autostart entry of that name, which the Run keys' value
  // follows; nullopt: the registry alone answers (headless).
  virtual std::optional<StartupEntryState> StartupEntry(const std::string& /*cp936Name*/) {
    return std::nullopt;
  }

  // The web engine's website data, listed among the URL cache's entries
  // when the program enumerates it; empty: the URL cache alone.
  virtual std::vector<WebsiteDataEntry> WebsiteData() { return {}; }
  // Removes what a listed entry stands for; false when it is not known.
  virtual bool RemoveWebsiteData(const std::string& /*cp936Url*/) { return false; }

  // The web engine a browser window of this host uses; null: the desktop's
  // scripted engine.
  virtual std::unique_ptr<web::WebEngine> CreateWebEngine(web::EngineClient& client, HWND browser);
};

}  // namespace desktop
