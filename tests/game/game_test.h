// The fixture of the game window's tests: a headless run of the program's
// own resources on a 1920 x 1080 screen, a stand-in launcher that records
// the messages posted to it, and the game window created with it as
// parent. Every scenario ends with the windows and drawing objects it
// started with.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/game_dlg.h"
#include "tests/support/platform_test.h"

namespace desktop::web {
class WebBrowser;
}

const desktop::ResourceSet& AfxProgramResources();

// The game pages the scripted site serves.
constexpr const char* kGameAddress = "http://game.tessal.test/play.html?server_name=s12&client=1";
constexpr const char* kMovedAddress = "http://game.tessal.test/lobby.html";

class GameWindowTest : public PlatformTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  const desktop::ResourceSet* Resources() override { return &AfxProgramResources(); }

  // Runs the framework's loop (pre-translation, then dispatch) until the
  // test user is done.
  void RunUser();
  // The messages from WM_USER up that reached the stand-in launcher.
  static std::vector<MSG>& LauncherHeard();

  RECT WindowRect() const;
  RECT ClientOnScreen() const;
  // The browser's window rectangle in the game window's client coordinates.
  RECT BrowserInClient() const;
  POINT OnScreen(POINT windowPoint) const;
  POINT CentreOf(const RECT& windowRect) const;
  desktop::web::WebBrowser& Engine() const;
  std::string ShownAddress() const;
  std::size_t LiveWindows();

  CGameDlg& game() { return *game_; }
  HWND launcher_ = nullptr;
  std::unique_ptr<CGameDlg> game_;

 private:
  DWORD gdiAtStart_ = 0;
  std::size_t windowsAtStart_ = 0;
};

std::string Show(const RECT& r);
