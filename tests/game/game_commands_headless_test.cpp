// The game window's settings menu and its commands, the portal-link
// caption buttons and its side of full-screen mode.
#include "app/process_state.h"
#include "platform/desktop/session.h"
#include "platform/desktop/taskbar.h"
#include "platform/desktop/web/web_browser.h"
#include "res/resource_ids.h"
#include "tests/game/game_test.h"

namespace {

class GameCommandsTest : public GameWindowTest {
 protected:
  void SetUp() override {
    GameWindowTest::SetUp();
    game().ShowWindow(SW_SHOWMAXIMIZED);
    game().NavigateGame(kGameAddress);
    Pump();
  }
  // Clicks the settings button; the queued menu choice (or dismissal)
  // answers the menu that opens.
  TestUser& OpenSettings() { return user().Click(CentreOf(game().SettingsBtn->Rect)); }
  const desktop::MenuRecord& LastMenu() { return session().menus().back(); }
  static bool Checked(const desktop::MenuRecord& menu, UINT id) {
    for (const desktop::SeenMenuItem& item : menu.items) {
      if (item.id == id) return item.checked;
    }
    ADD_FAILURE() << "no item " << id;
    return false;
  }
  static bool Exists(const std::string& windowsPath) {
    return GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
};

TEST_F(GameCommandsTest, TheSettingsMenuOpensAboveTheButtonWithItsFourItems) {
  OpenSettings().DismissMenu().Wait(20);
  RunUser();
  ASSERT_EQ(session().menus().size(), 1u);
  const desktop::MenuRecord& menu = LastMenu();
  EXPECT_FALSE(menu.windowMenu);
  EXPECT_EQ(menu.owner, game().m_hWnd);
  EXPECT_EQ(menu.flags, 0u);
  // The button's window-coordinate corner taken as a client point.
  POINT corner{game().SettingsBtn->Rect.right, game().SettingsBtn->Rect.top};
  ClientToScreen(game().m_hWnd, &corner);
  EXPECT_EQ(menu.position.x, corner.x);
  EXPECT_EQ(menu.position.y, corner.y - 27);
  std::vector<std::string> texts;
  for (const auto& item : menu.items) texts.push_back(item.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"全屏 F8", "开机启动", "清理缓存", "刷新"}));
  // Dismissed: nothing happened.
  EXPECT_FALSE(game().FullScreenMode);
  EXPECT_TRUE(user().Boxes().empty());
}

TEST_F(GameCommandsTest, TheStartOnBootCheckMarkFollowsTheFlagAtTheMomentTheMenuOpens) {
  // The template's item is checked; the flag decides every time.
  AutoStartEnabled = 0;
  OpenSettings().DismissMenu().Do("set", [] { AutoStartEnabled = 1; });
  OpenSettings().DismissMenu().Do("clear", [] { AutoStartEnabled = 0; });
  OpenSettings().DismissMenu().Wait(20);
  RunUser();
  ASSERT_EQ(session().menus().size(), 3u);
  std::vector<bool> checks;
  for (const desktop::MenuRecord& menu : session().menus()) {
    checks.push_back(Checked(menu, ID_SETTINGS_AUTOSTART));
  }
  EXPECT_EQ(checks, (std::vector<bool>{false, true, false}));
}

TEST_F(GameCommandsTest, TheFullScreenItemTogglesOnceAndAgain) {
  OpenSettings().ChooseMenuItem(ID_SETTINGS_FULLSCREEN).Wait(20);
  RunUser();
  EXPECT_TRUE(game().FullScreenMode);
  OpenSettings().ChooseMenuItem(ID_SETTINGS_FULLSCREEN).Wait(20);
  RunUser();
  EXPECT_FALSE(game().FullScreenMode);
  EXPECT_TRUE(IsZoomed(game().m_hWnd));
}

TEST_F(GameCommandsTest, StartOnBootFailsForAStandardUserAndTogglesForAnElevatedOne) {
  session().SetElevatedUser(false);
  OpenSettings().ChooseMenuItem(ID_SETTINGS_AUTOSTART).Wait(20);
  RunUser();
  EXPECT_EQ(AutoStartEnabled, 0);
  ASSERT_EQ(user().Boxes().size(), 1u);
  EXPECT_EQ(user().Boxes()[0].caption, "Tessal");

  session().SetElevatedUser(true);
  OpenSettings().ChooseMenuItem(ID_SETTINGS_AUTOSTART).Wait(20);
  RunUser();
  EXPECT_EQ(AutoStartEnabled, 1);
  OpenSettings().ChooseMenuItem(ID_SETTINGS_AUTOSTART).Wait(20);
  RunUser();
  EXPECT_EQ(AutoStartEnabled, 0);
  EXPECT_EQ(user().Boxes().size(), 3u);  // one report each
  // The last menu showed the mark of the value set by the second.
  EXPECT_TRUE(Checked(LastMenu(), ID_SETTINGS_AUTOSTART));
}

TEST_F(GameCommandsTest, ClearingTheCacheAsksFirstAndReportsWhenDone) {
  char folder[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_INTERNET_CACHE, TRUE));
  const std::string cached = std::string(folder) + "\\Content\\page.htm";
  PutFile(cached, "<html></html>");

  OpenSettings().ChooseMenuItem(ID_SETTINGS_CLEARCACHE).AnswerBox(IDNO).Wait(20);
  RunUser();
  ASSERT_EQ(session().boxes().size(), 1u);
  EXPECT_EQ(session().boxes()[0].text, "确定要清理缓存吗？可能需要一些时间等待");
  EXPECT_EQ(session().boxes()[0].caption, "");
  EXPECT_EQ(session().boxes()[0].owner, game().m_hWnd);
  EXPECT_EQ(session().boxes()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
  EXPECT_TRUE(Exists(cached)) << "no means nothing is cleared";

  OpenSettings().ChooseMenuItem(ID_SETTINGS_CLEARCACHE).AnswerBox(IDYES).AnswerBox(IDOK).Wait(20);
  RunUser();
  EXPECT_FALSE(Exists(cached));
  ASSERT_EQ(session().boxes().size(), 3u);
  const desktop::MessageBoxRecord& done = session().boxes()[2];
  EXPECT_EQ(done.text, "缓存清理好了！");
  EXPECT_EQ(done.caption, "Tessal");
  EXPECT_EQ(done.owner, game().m_hWnd);
  EXPECT_EQ(done.type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
}

TEST_F(GameCommandsTest, RefreshReopensTheGameAddressNotWhereThePageMovedTo) {
  Engine().Navigate(u"http://game.tessal.test/lobby.html");
  Pump();
  ASSERT_EQ(ShownAddress(), kMovedAddress);
  OpenSettings().ChooseMenuItem(ID_SETTINGS_REFRESH).Wait(20);
  RunUser();
  EXPECT_EQ(ShownAddress(), kGameAddress);
  EXPECT_EQ(std::string(game().GameUrl), kGameAddress);
}

TEST_F(GameCommandsTest, PortalButtonsHandOnlyWebAddressesToTheShell) {
  ServiceUrl = "https://kf.tessal.test/";
  ForumUrl = "";
  OfficialUrl = "file:///C:/Windows/System32/calc.exe";
  PayUrl = "http://pay.tessal.test/?user=1";
  struct Case {
    int button;
    const char* opened;  // null: the shell is not asked
  } cases[] = {
      {kServiceButton, "https://kf.tessal.test/"},
      {kForumButton, nullptr},
      {kOfficialButton, nullptr},
      {kPayButton, "http://pay.tessal.test/?user=1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    std::size_t before = session().shellExecutes().size();
    game().OnCaptionButton(c.button);
    ASSERT_EQ(session().shellExecutes().size(), before + (c.opened ? 1 : 0));
    if (!c.opened) continue;
    const auto& call = session().shellExecutes().back();
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, "");
    EXPECT_EQ(call.file, c.opened);
    EXPECT_EQ(call.show, SW_HIDE);
  }
  EXPECT_TRUE(session().menus().empty());
}

TEST_F(GameCommandsTest, AClickOnAPortalButtonOpensItsLink) {
  ForumUrl = "https://bbs.tessal.test/";
  user().Click(CentreOf(game().ForumBtn->Rect)).Wait(20);
  RunUser();
  ASSERT_EQ(session().shellExecutes().size(), 1u);
  EXPECT_EQ(session().shellExecutes()[0].file, "https://bbs.tessal.test/");
}

TEST_F(GameCommandsTest, FullScreenIsAToolWindowWithoutSizingFrameKeptAcrossHideAndShow) {
  HWND hwnd = game().m_hWnd;
  auto style = [&] { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); };
  auto exStyle = [&] { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)); };

  game().ToggleFullScreen();
  Pump();
  EXPECT_TRUE(game().FullScreenMode);
  EXPECT_FALSE(style() & WS_THICKFRAME);
  EXPECT_TRUE(exStyle() & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle() & WS_EX_APPWINDOW);
  EXPECT_FALSE(desktop::HasTaskbarButton(hwnd));
  RECT client = ClientOnScreen();
  EXPECT_EQ(Show(client), Show(RECT{0, 0, 1920, 1080}));
  RECT inClient{};
  GetClientRect(hwnd, &inClient);
  EXPECT_EQ(Show(BrowserInClient()), Show(inClient));

  // The launcher hides the window and later shows it maximised again.
  game().ShowWindow(SW_HIDE);
  game().ShowWindow(SW_SHOWMAXIMIZED);
  Pump();
  EXPECT_TRUE(game().FullScreenMode);
  EXPECT_FALSE(style() & WS_THICKFRAME);
  EXPECT_TRUE(exStyle() & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(desktop::HasTaskbarButton(hwnd));

  // The next F8 leaves full-screen mode.
  MSG f8{hwnd, WM_KEYDOWN, VK_F8, 1, 0, {0, 0}};
  EXPECT_FALSE(game().PreTranslateMessage(&f8));
  Pump();
  EXPECT_FALSE(game().FullScreenMode);
  EXPECT_TRUE(style() & WS_THICKFRAME);
  EXPECT_FALSE(exStyle() & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(exStyle() & WS_EX_APPWINDOW);
  EXPECT_TRUE(IsZoomed(hwnd));
  EXPECT_TRUE(desktop::HasTaskbarButton(hwnd));
  GetClientRect(hwnd, &inClient);
  EXPECT_EQ(Show(BrowserInClient()), Show(inClient));
}

}  // namespace
