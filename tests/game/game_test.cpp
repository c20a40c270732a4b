#include "tests/game/game_test.h"

#include "app/process_state.h"
#include "app/tessal_app.h"
#include "platform/desktop/session.h"
#include "platform/desktop/state.h"
#include "platform/desktop/web/scripted_site.h"
#include "platform/desktop/web/web_browser.h"
#include "res/resource_ids.h"
#include "tests/support/gdi_objects.h"

namespace {

std::vector<MSG> g_launcherHeard;

LRESULT CALLBACK StandInLauncherProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER) g_launcherHeard.push_back(MSG{hwnd, message, wParam, lParam, 0, {0, 0}});
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void ResetProcessState() {
  AutoStartEnabled = 0;
  ServerName = "";
  PayUrl = ForumUrl = ServiceUrl = OfficialUrl = "";
}

desktop::web::ScriptedSite GameSite() {
  desktop::web::ScriptedSite site;
  site.pages[kGameAddress] = {};
  site.pages[kMovedAddress] = {};
  return site;
}

}  // namespace

std::vector<MSG>& GameWindowTest::LauncherHeard() { return g_launcherHeard; }

void GameWindowTest::SetUp() {
  PlatformTest::SetUp();
  session().SetScreen(1920, 1080, RECT{0, 0, 1920, 1040});
  session().SetScriptedSite(std::make_shared<desktop::web::ScriptedSite>(GameSite()));
  theApp.SetCurrentHandles(GetModuleHandleA(nullptr));
  ResetProcessState();
  g_launcherHeard.clear();
  gdiAtStart_ = LiveGdiObjects();
  windowsAtStart_ = LiveWindows();
  const char* launcherClass = RegisterTestClass("StandInLauncher", StandInLauncherProc);
  launcher_ = CreateWindowExA(0, launcherClass, "Launcher", WS_POPUP | WS_VISIBLE, 300, 200, 1008,
                              601, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(launcher_, nullptr);
  game_ = std::make_unique<CGameDlg>();
  ASSERT_TRUE(game_->Create(IDD_GAME_DIALOG, CWnd::FromHandle(launcher_)));
}

void GameWindowTest::TearDown() {
  game_.reset();
  if (launcher_) DestroyWindow(launcher_);
  AfxDeleteTempMaps();
  // The window, its browser and its frame's drawing objects went with the
  // object.
  EXPECT_EQ(LiveWindows(), windowsAtStart_);
  EXPECT_EQ(LiveGdiObjects(), gdiAtStart_);
  ResetProcessState();
  PlatformTest::TearDown();
}

void GameWindowTest::RunUser() {
  while (AfxPumpMessage()) {
  }
}

RECT GameWindowTest::WindowRect() const {
  RECT r{};
  GetWindowRect(game_->m_hWnd, &r);
  return r;
}

RECT GameWindowTest::ClientOnScreen() const {
  RECT r{};
  GetClientRect(game_->m_hWnd, &r);
  POINT origin{0, 0};
  ClientToScreen(game_->m_hWnd, &origin);
  return RECT{origin.x, origin.y, origin.x + r.right, origin.y + r.bottom};
}

RECT GameWindowTest::BrowserInClient() const {
  RECT r{};
  GetWindowRect(game_->Browser.m_hWnd, &r);
  ScreenToClient(game_->m_hWnd, reinterpret_cast<POINT*>(&r.left));
  ScreenToClient(game_->m_hWnd, reinterpret_cast<POINT*>(&r.right));
  return r;
}

POINT GameWindowTest::OnScreen(POINT windowPoint) const {
  RECT w = WindowRect();
  return POINT{w.left + windowPoint.x, w.top + windowPoint.y};
}

POINT GameWindowTest::CentreOf(const RECT& r) const {
  return OnScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

desktop::web::WebBrowser& GameWindowTest::Engine() const {
  return *desktop::web::BrowserOf(game_->Browser.m_hWnd);
}

std::string GameWindowTest::ShownAddress() const {
  auto document = Engine().document();
  return document ? document->Address() : "(none)";
}

std::size_t GameWindowTest::LiveWindows() { return session().state().windows.size(); }

std::string Show(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}
