// The game window as created, resized, typed into and closed: its layout,
// the browser following every size change, its keyboard filter and the
// close confirmation that hands the game back to the launcher.
#include "app/window_messages.h"
#include "platform/desktop/session.h"
#include "platform/desktop/taskbar.h"
#include "platform/desktop/web/web_browser.h"
#include "tests/game/game_test.h"

namespace {

using GameWindowLayoutTest = GameWindowTest;

TEST_F(GameWindowLayoutTest, CreatedHidden1000By600CentredOverTheLauncherWithTheBrowserFillingIt) {
  EXPECT_FALSE(IsWindowVisible(game().m_hWnd));
  EXPECT_TRUE(game().LayoutDone);
  RECT window = WindowRect();
  EXPECT_EQ(window.right - window.left, 1000);
  EXPECT_EQ(window.bottom - window.top, 600);
  RECT launcher{};
  GetWindowRect(launcher_, &launcher);
  EXPECT_EQ((window.left + window.right) / 2, (launcher.left + launcher.right) / 2);
  EXPECT_EQ((window.top + window.bottom) / 2, (launcher.top + launcher.bottom) / 2);
  EXPECT_EQ(GetParent(game().m_hWnd), launcher_);

  // The browser took the placeholder's place and fills the client area.
  ASSERT_NE(game().Browser.m_hWnd, nullptr);
  EXPECT_EQ(GetDlgItem(game().m_hWnd, -1), game().Browser.m_hWnd);
  EXPECT_EQ(GetWindow(game().Browser.m_hWnd, GW_HWNDNEXT), nullptr) << "the placeholder is gone";
  RECT client{};
  GetClientRect(game().m_hWnd, &client);
  EXPECT_EQ(Show(BrowserInClient()), Show(client));
  EXPECT_FALSE(game().Browser.PassEnterToPage);

  EXPECT_TRUE(GetWindowLongA(game().m_hWnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_TRUE(GetWindowLongA(game().m_hWnd, GWL_STYLE) & WS_THICKFRAME);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(game().m_hWnd, WM_GETICON, ICON_BIG, 0)),
            game().FrameIcon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(game().m_hWnd, WM_GETICON, ICON_SMALL, 0)),
            game().FrameIcon);
  ASSERT_NE(game().FrameIcon, nullptr);
}

TEST_F(GameWindowLayoutTest, ShownMaximisedTheOwnedWindowHasATaskbarButtonAndTheBrowserFollows) {
  game().ShowWindow(SW_SHOWMAXIMIZED);
  Pump();
  EXPECT_TRUE(IsZoomed(game().m_hWnd));
  EXPECT_TRUE(desktop::HasTaskbarButton(game().m_hWnd));
  RECT client{};
  GetClientRect(game().m_hWnd, &client);
  EXPECT_GT(client.right, 1000);
  EXPECT_EQ(Show(BrowserInClient()), Show(client));
}

TEST_F(GameWindowLayoutTest, DraggingTheCornerKeepsTheBrowserFillingTheClientAreaThroughout) {
  game().ShowWindow(SW_SHOWNORMAL);
  Pump();
  RECT before = WindowRect();
  POINT corner{before.right - 2, before.bottom - 2};
  std::vector<std::string> during;
  auto look = [&] {
    RECT client{};
    GetClientRect(game().m_hWnd, &client);
    during.push_back(Show(BrowserInClient()) + " in " + Show(client));
  };
  user()
      .MoveMouse(corner)
      .MouseDown()
      .MoveMouse(POINT{corner.x + 60, corner.y + 40})
      .Do("mid-drag", look)
      .MoveMouse(POINT{corner.x + 120, corner.y + 70})
      .Do("mid-drag", look)
      .MouseUp()
      .Wait(20);
  RunUser();
  RECT after = WindowRect();
  EXPECT_EQ(after.right - after.left, 1000 + 120);
  EXPECT_EQ(after.bottom - after.top, 600 + 70);
  RECT client{};
  GetClientRect(game().m_hWnd, &client);
  EXPECT_EQ(Show(BrowserInClient()), Show(client));
  ASSERT_EQ(during.size(), 2u);
  for (const std::string& d : during) {
    std::size_t in = d.find(" in ");
    EXPECT_EQ(d.substr(0, in), d.substr(in + 4)) << d;
  }
}

TEST_F(GameWindowLayoutTest, SizingAndActivationRefitABrowserThatWasMovedAway) {
  game().ShowWindow(SW_SHOWNORMAL);
  Pump();
  RECT client{};
  GetClientRect(game().m_hWnd, &client);
  struct Case {
    const char* what;
    UINT message;
    WPARAM wParam;
  } cases[] = {
      {"WM_SIZING", WM_SIZING, WMSZ_BOTTOMRIGHT},
      {"WM_SIZE", WM_SIZE, SIZE_RESTORED},
      {"WM_ACTIVATE", WM_ACTIVATE, WA_ACTIVE},
  };
  for (const Case& c : cases) {
    MoveWindow(game().Browser.m_hWnd, 10, 10, 50, 50, FALSE);
    RECT dragged = WindowRect();
    LPARAM lParam = c.message == WM_SIZING ? reinterpret_cast<LPARAM>(&dragged)
                    : c.message == WM_SIZE ? MAKELPARAM(client.right, client.bottom)
                                           : 0;
    SendMessageA(game().m_hWnd, c.message, c.wParam, lParam);
    EXPECT_EQ(Show(BrowserInClient()), Show(client)) << c.what;
  }
}

// The keyboard filter of the game window itself, for keys that reach it
// (those typed into the page pass the browser's filter first). Whatever
// the filter lets through is dispatched as the framework's loop would.
TEST_F(GameWindowLayoutTest, TheKeyFilterKeepsEnterAndEscFromClosingSwallowsF5AndTogglesOnF8) {
  game().ShowWindow(SW_SHOWMAXIMIZED);
  Pump();
  constexpr LPARAM kRepeat = 0x40000001;  // previous state down: an auto-repeat
  struct Case {
    const char* what;
    WPARAM key;
    LPARAM lParam;
    BOOL consumed;
    bool fullScreenAfter;
  } cases[] = {
      {"Enter", VK_RETURN, 1, FALSE, false},
      {"Esc", VK_ESCAPE, 1, FALSE, false},
      {"F5", VK_F5, 1, TRUE, false},
      {"F8", VK_F8, 1, FALSE, true},
      {"F8 repeated", VK_F8, kRepeat, FALSE, false},
      {"F8 repeated again", VK_F8, kRepeat, FALSE, true},
      {"Esc in full screen", VK_ESCAPE, 1, FALSE, true},
      {"F8 once more", VK_F8, 1, FALSE, false},
  };
  for (const Case& c : cases) {
    MSG msg{game().m_hWnd, WM_KEYDOWN, c.key, c.lParam, 0, {0, 0}};
    BOOL consumed = game().PreTranslateMessage(&msg);
    if (!consumed) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Pump();
    EXPECT_EQ(consumed, c.consumed) << c.what;
    EXPECT_EQ(game().FullScreenMode, c.fullScreenAfter) << c.what;
    EXPECT_TRUE(IsWindow(game().m_hWnd)) << c.what;
    EXPECT_TRUE(IsWindowVisible(game().m_hWnd)) << c.what;
  }
  EXPECT_TRUE(user().Boxes().empty());
  EXPECT_TRUE(LauncherHeard().empty());
}

// Keys typed into the page: the browser's filter sees them first.
TEST_F(GameWindowLayoutTest, KeysTypedIntoThePageNeverCloseTheWindowAndF8StillToggles) {
  game().ShowWindow(SW_SHOWMAXIMIZED);
  game().NavigateGame(kGameAddress);
  Pump();
  SetFocus(game().Browser.m_hWnd);
  std::vector<bool> fullScreen;
  auto note = [&] { fullScreen.push_back(game().FullScreenMode); };
  user()
      .Press(VK_RETURN)
      .Press(VK_ESCAPE)
      .Do("after Enter and Esc", note)
      .Press(VK_F8)
      .Do("after F8", note)
      .Press(VK_F5)
      .Press(VK_F8)
      .Do("after F5 and F8", note)
      .Wait(20);
  RunUser();
  EXPECT_EQ(fullScreen, (std::vector<bool>{false, true, false}));
  EXPECT_TRUE(IsWindowVisible(game().m_hWnd));
  EXPECT_TRUE(user().Boxes().empty());
  // F5 was the browser's own refresh and never reached the game window.
  const auto& actions = Engine().actions();
  EXPECT_NE(std::find(actions.begin(), actions.end(), desktop::web::BrowserAction::kRefresh),
            actions.end());
  // Enter and Esc reached the page.
  std::vector<WPARAM> pageKeys;
  for (const MSG& m : Engine().pageKeys()) {
    if (m.message == WM_KEYDOWN) pageKeys.push_back(m.wParam);
  }
  EXPECT_NE(std::find(pageKeys.begin(), pageKeys.end(), WPARAM{VK_RETURN}), pageKeys.end());
  EXPECT_NE(std::find(pageKeys.begin(), pageKeys.end(), WPARAM{VK_ESCAPE}), pageKeys.end());
}

// Closing asks the same question whichever way the player closes.
class GameCloseTest : public GameWindowTest {
 protected:
  enum class Way { kCaptionButton, kAltF4, kWindowMenu };
  void Close(Way way, int answer) {
    game().ShowWindow(SW_SHOWMAXIMIZED);
    Pump();
    SetFocus(game().Browser.m_hWnd);
    switch (way) {
      case Way::kCaptionButton:
        user().Click(CentreOf(game().CloseBtn->Rect));
        break;
      case Way::kAltF4:
        user().PressWithAlt(VK_F4);
        break;
      case Way::kWindowMenu:
        user().PressWithAlt(VK_SPACE).ChooseMenuItem(SC_CLOSE);
        break;
    }
    user().AnswerBox(answer).Wait(50);
    RunUser();
  }
};

TEST_F(GameCloseTest, EveryWayOfClosingAsksAndOnlyYesHandsBackToTheLauncher) {
  struct Case {
    const char* what;
    Way way;
    int answer;
  } cases[] = {
      {"close button, yes", Way::kCaptionButton, IDYES},
      {"close button, no", Way::kCaptionButton, IDNO},
      {"Alt+F4, yes", Way::kAltF4, IDYES},
      {"Alt+F4, no", Way::kAltF4, IDNO},
      {"window menu, yes", Way::kWindowMenu, IDYES},
      {"window menu, no", Way::kWindowMenu, IDNO},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::size_t boxesBefore = session().boxes().size();
    LauncherHeard().clear();
    Close(c.way, c.answer);
    ASSERT_EQ(session().boxes().size(), boxesBefore + 1);
    const desktop::MessageBoxRecord& box = session().boxes().back();
    EXPECT_EQ(box.text, "是否要关闭游戏");
    EXPECT_EQ(box.caption, "");
    EXPECT_EQ(box.owner, game().m_hWnd);
    EXPECT_EQ(box.type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(box.result, c.answer);
    // The window itself stays: the launcher hides it when it takes over.
    EXPECT_TRUE(IsWindow(game().m_hWnd));
    EXPECT_TRUE(IsWindowVisible(game().m_hWnd));
    if (c.answer == IDYES) {
      ASSERT_EQ(LauncherHeard().size(), 1u);
      EXPECT_EQ(LauncherHeard()[0].message, UM_RETURN_TO_LAUNCHER);
      EXPECT_EQ(LauncherHeard()[0].wParam, WPARAM{100});
      EXPECT_EQ(LauncherHeard()[0].lParam, LPARAM{100});
    } else {
      EXPECT_TRUE(LauncherHeard().empty());
    }
  }
}

TEST_F(GameWindowLayoutTest, NavigateGameRemembersTheAddressAndANullOneOpensNothing) {
  game().NavigateGame(kGameAddress);
  Pump();
  EXPECT_EQ(std::string(game().GameUrl), kGameAddress);
  EXPECT_EQ(ShownAddress(), kGameAddress);
  game().NavigateGame(nullptr);
  Pump();
  EXPECT_EQ(std::string(game().GameUrl), "");
  EXPECT_EQ(ShownAddress(), kGameAddress);
  game().NavigateGame("about:blank");
  Pump();
  EXPECT_EQ(ShownAddress(), "about:blank");
}

TEST_F(GameWindowLayoutTest, AWindowDestroyedBeforeItsObjectLeavesNothingBehind) {
  game().ShowWindow(SW_SHOWMAXIMIZED);
  game().NavigateGame(kGameAddress);
  Pump();
  HWND browser = game().Browser.m_hWnd;
  game().DestroyWindow();
  EXPECT_FALSE(IsWindow(browser));
  EXPECT_EQ(game().m_hWnd, nullptr);
  EXPECT_EQ(game().Browser.m_hWnd, nullptr);
  // The fixture checks the windows and drawing objects as the object goes.
}

TEST_F(GameWindowLayoutTest, TheWindowGoesWithTheLauncherThatOwnsItAndTheObjectThenDeletesCleanly) {
  game().ShowWindow(SW_SHOWMAXIMIZED);
  game().NavigateGame(kGameAddress);
  Pump();
  HWND window = game().m_hWnd;
  DestroyWindow(launcher_);
  launcher_ = nullptr;
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(game().m_hWnd, nullptr);
  game_.reset();
}

}  // namespace
