// The fixture of the launcher's tests: the real program, started the way
// the player starts it (its file carries the login page's address), on the
// scripted login site; the test user acts while the launcher's modal run
// waits for input.
#pragma once

#include <string>

#include "app/tessal_app.h"
#include "launcher/launcher_layout.h"
#include "launcher/tessal_dlg.h"
#include "platform/desktop/web/web_browser.h"
#include "tests/support/picture_reader.h"
#include "tests/support/platform_test.h"

const desktop::ResourceSet& AfxProgramResources();

constexpr char kLoginPage[] = "http://login.tessal.test/index.html";

class LauncherTest : public PlatformTest {
 protected:
  void SetUp() override;
  const desktop::ResourceSet* Resources() override { return &AfxProgramResources(); }

  // Runs the program to its end; the user's steps run inside.
  int RunProgram();

 public:
  // While the program runs: the launcher object, its window, its browser.
  static CTessalDlg& Launcher();
  static HWND LauncherWindow() { return Launcher().m_hWnd; }
  static desktop::web::WebBrowser& BrowserEngine();
  // A screen point of the launcher where it opens, from a point of its
  // client area (usable before the program runs).
  static POINT OnScreen(POINT client);
  // A screen point on the non-key pixels of a button's normal picture.
  static POINT OnButtonPicture(UINT id);
  static const launcher_layout::ButtonLayout& LayoutOf(UINT id);
};
