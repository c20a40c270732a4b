// The host seam: what the portable desktop asks of whatever shows it. The
// headless host (tests, tessal-sim) answers from a virtual clock and a
// scripted user; a display host answers from the real clock and real input.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/api/win_types.h"

namespace desktop {

namespace web {
class EngineClient;
class WebEngine;
}  // namespace web

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

  // The web engine a browser window of this host uses; null: the desktop's
  // scripted engine.
  virtual std::unique_ptr<web::WebEngine> CreateWebEngine(web::EngineClient& client, HWND browser);
};

}  // namespace desktop
