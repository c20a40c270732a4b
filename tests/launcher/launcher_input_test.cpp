// The launcher under the player's hands: dragging by the picture, clicks
// through its holes, Enter and Esc, the link and minimise buttons, and the
// three ways that end the program, each leaving nothing behind.
#include <algorithm>

#include "app/process_state.h"
#include "gfx/region_from_bitmap.h"
#include "platform/desktop/session.h"
#include "platform/desktop/state.h"
#include "platform/desktop/taskbar.h"
#include "res/resource_ids.h"
#include "tests/launcher/launcher_test.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/mouse_window.h"

namespace {

bool OnAControl(POINT client) {
  auto inside = [&](const RECT& r) {
    return client.x >= r.left && client.x < r.right && client.y >= r.top && client.y < r.bottom;
  };
  if (inside(launcher_layout::BrowserRect)) return true;
  return std::any_of(std::begin(launcher_layout::Buttons), std::end(launcher_layout::Buttons),
                     [&](const launcher_layout::ButtonLayout& b) { return inside(b.rect); });
}

// The first pixel of the launcher's picture, along row `y`, that is (or is
// not) the key colour and lies on no control.
POINT PicturePoint(int y, bool key) {
  PictureReader background(IDB_LAUNCHER_BACKGROUND);
  for (int x = 0; x < background.width; ++x) {
    POINT p{x, y};
    if ((background.At(x, y) == RegionKeyColor) == key && !OnAControl(p)) return p;
  }
  ADD_FAILURE() << "no such pixel in row " << y;
  return POINT{0, y};
}

bool HasKeyDown(const std::vector<MSG>& messages, WPARAM key) {
  return std::any_of(messages.begin(), messages.end(), [key](const MSG& m) {
    return m.message == WM_KEYDOWN && m.wParam == key;
  });
}

class LauncherInputTest : public LauncherTest {
 protected:
  void TearDown() override {
    ForgetMouseWindowOptions();
    LauncherTest::TearDown();
  }
  // A step that notes the launcher is still open and running.
  TestUser& NoteOpen(bool& open) {
    return user().Do("open?", [&open] {
      open = IsWindowVisible(LauncherWindow()) && Launcher().ContinueModal();
    });
  }
};

TEST_F(LauncherInputTest, ADragOnThePictureMovesTheWindowWithTheMouse) {
  POINT grip = OnScreen(PicturePoint(300, false));
  RECT before{}, after{};
  user()
      .Wait(100)
      .Do("before", [&] { GetWindowRect(LauncherWindow(), &before); })
      .MoveMouse(grip)
      .MouseDown()
      .MoveMouse(POINT{grip.x + 15, grip.y + 5})
      .MoveMouse(POINT{grip.x - 40, grip.y + 25})
      .MouseUp()
      .Wait(100)
      .Do("after", [&] { GetWindowRect(LauncherWindow(), &after); })
      .PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_EQ(after.left, before.left - 40);
  EXPECT_EQ(after.top, before.top + 25);
  EXPECT_EQ(after.right - after.left, launcher_layout::WindowWidth);
}

TEST_F(LauncherInputTest, AClickOnAKeyColouredPixelReachesTheWindowBelow) {
  RegisterTestClass("Below", MouseWindowProc);
  HWND below = CreateWindowExA(0, "Below", "", WS_POPUP | WS_VISIBLE, 0, 0, 1920, 1040, nullptr,
                               nullptr, nullptr, nullptr);
  POINT hole = OnScreen(PicturePoint(60, true));
  POINT picture = OnScreen(PicturePoint(300, false));
  RECT before{}, after{};
  std::size_t pressesOnPicture = 99;
  user()
      .Wait(100)
      .Do("before", [&] {
        GetWindowRect(LauncherWindow(), &before);
        MessageLog::Clear();
      })
      .Click(picture)
      .Do("picture", [&] { pressesOnPicture = LoggedOf(below, WM_LBUTTONDOWN).size(); })
      .Click(hole)
      .Wait(100)
      .Do("after", [&] { GetWindowRect(LauncherWindow(), &after); })
      .PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_EQ(pressesOnPicture, 0u);
  EXPECT_EQ(LoggedOf(below, WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  DestroyWindow(below);
}

TEST_F(LauncherInputTest, EnterAndEscLeaveTheLauncherOpenAndEnterReachesTheLoginPage) {
  bool openAfterKeysOnButton = false, openAfterEnter = false, openAfterEsc = false;
  bool enterReachedPage = false, escOffered = true, escReachedPage = false;
  std::string pageAfterEnter;
  user().Wait(1500).Press(VK_RETURN).Press(VK_ESCAPE);  // the focus on a button
  NoteOpen(openAfterKeysOnButton);
  user().Do("focus the page", [] { Launcher().Browser.SetFocus(); }).Press(VK_RETURN).Wait(100);
  NoteOpen(openAfterEnter);
  user().Do("page", [&] {
    desktop::web::WebBrowser& engine = BrowserEngine();
    enterReachedPage = HasKeyDown(engine.pageKeys(), VK_RETURN);
    pageAfterEnter = engine.document() ? engine.document()->Address() : "";
  });
  user().Press(VK_ESCAPE).Wait(100);
  NoteOpen(openAfterEsc);
  user()
      .Do("esc",
          [&] {
            desktop::web::WebBrowser& engine = BrowserEngine();
            escOffered = HasKeyDown(engine.offeredKeys(), VK_ESCAPE);
            escReachedPage = HasKeyDown(engine.pageKeys(), VK_ESCAPE);
          })
      .PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_TRUE(openAfterKeysOnButton);
  EXPECT_TRUE(openAfterEnter);
  EXPECT_TRUE(openAfterEsc);
  EXPECT_TRUE(enterReachedPage);
  // The login form sent itself on Enter: the page went on to the game.
  EXPECT_EQ(pageAfterEnter, "http://game.tessal.test/play.html?server_name=s12&client=1");
  EXPECT_FALSE(escOffered);
  EXPECT_TRUE(escReachedPage);
}

struct LinkCase {
  const char* name;
  UINT button;
  CString* link;
  const char* value;
  bool handedToShell;
};

TEST_F(LauncherInputTest, LinkButtonsHandOnlyWebAddressesToTheShellAtTheTimeOfTheClick) {
  const LinkCase cases[] = {
      {"official, empty", IDC_OFFICIAL_BUTTON, &OfficialUrl, "", false},
      {"official, https", IDC_OFFICIAL_BUTTON, &OfficialUrl, "https://www.tessal.test/", true},
      {"official, file", IDC_OFFICIAL_BUTTON, &OfficialUrl, "file:///C:/Windows/calc.exe", false},
      {"forum, https", IDC_FORUM_BUTTON, &ForumUrl, "https://bbs.tessal.test/", true},
      {"service, https", IDC_SERVICE_BUTTON, &ServiceUrl, "https://kf.tessal.test/", true},
      {"pay, https", IDC_PAY_BUTTON, &PayUrl, "https://pay.tessal.test/?a=1", true},
      {"pay, local program", IDC_PAY_BUTTON, &PayUrl, "C:\\Windows\\calc.exe", false},
  };
  std::vector<std::size_t> shellCallsAfter;
  POINT away = OnScreen(POINT{600, 590});
  user().Wait(100);
  for (const LinkCase& c : cases) {
    user()
        .Do(c.name, [&c] { *c.link = c.value; })
        .Click(OnButtonPicture(c.button))
        .MoveMouse(away)
        .Do("count", [&] { shellCallsAfter.push_back(session().shellExecutes().size()); });
  }
  user().PressWithAlt(VK_F4);
  RunProgram();

  ASSERT_EQ(shellCallsAfter.size(), std::size(cases));
  std::size_t calls = 0;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const LinkCase& c = cases[i];
    SCOPED_TRACE(c.name);
    calls += c.handedToShell;
    ASSERT_EQ(shellCallsAfter[i], calls);
    if (!c.handedToShell) continue;
    const auto& call = session().shellExecutes()[calls - 1];
    EXPECT_EQ(call.file, c.value);
    EXPECT_EQ(call.verb, "");
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.show, SW_HIDE);
  }
}

TEST_F(LauncherInputTest, TheMinimiseButtonMinimisesAndTheTaskbarBringsItBack) {
  bool hasTaskbarButton = false, minimised = false, restored = false;
  user()
      .Wait(100)
      .Do("taskbar", [&] { hasTaskbarButton = desktop::HasTaskbarButton(LauncherWindow()); })
      .Click(OnButtonPicture(IDC_MINIMIZE_BUTTON))
      .Wait(100)
      .Do("minimised", [&] {
        minimised = IsIconic(LauncherWindow());
        desktop::ClickTaskbarButton(LauncherWindow());
      })
      .Wait(100)
      .Do("restored",
          [&] { restored = !IsIconic(LauncherWindow()) && IsWindowVisible(LauncherWindow()); })
      .PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_TRUE(hasTaskbarButton);
  EXPECT_TRUE(minimised);
  EXPECT_TRUE(restored);
}

struct EndCase {
  const char* name;
  void (*act)(TestUser& user);
};

class LauncherEndTest : public LauncherTest, public ::testing::WithParamInterface<EndCase> {};

// Each way out ends the launcher's run and with it the program; what it
// made goes with it.
TEST_P(LauncherEndTest, EndsTheProgramLeavingNothingBehind) {
  DWORD objectsBefore = LiveGdiObjects();
  std::size_t windowsBefore = desktop::Current().windows.size();
  bool stillRunning = false;
  user().Wait(1500);  // the page is up
  GetParam().act(user());
  user().Wait(100).Do("after", [&] { stillRunning = true; });
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_FALSE(stillRunning);
  EXPECT_EQ(theApp.m_pMainWnd, nullptr);
  EXPECT_EQ(desktop::Current().windows.size(), windowsBefore);
  EXPECT_EQ(LiveGdiObjects(), objectsBefore);
  RunUntilUserIsDone();  // the steps the ended program left unused
}

INSTANTIATE_TEST_SUITE_P(
    WaysOut, LauncherEndTest,
    ::testing::Values(
        EndCase{"CloseButton", [](TestUser& u) { u.Click(LauncherTest::OnButtonPicture(IDC_CLOSE_BUTTON)); }},
        EndCase{"AltF4", [](TestUser& u) { u.PressWithAlt(VK_F4); }},
        EndCase{"CloseInTheWindowMenu",
                [](TestUser& u) { u.PressWithAlt(VK_SPACE).ChooseMenuItem(SC_CLOSE); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
