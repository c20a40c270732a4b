// Pop-up menus and the window menu with the scripted user choosing: what
// the owner hears, where the choice arrives, and what the user saw.
#include <algorithm>

#include "platform/desktop/headless_host.h"
#include "platform/desktop/script.h"
#include "platform/desktop/session.h"
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

class MenuHeadlessTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Recorder", RecordingWindowProc);
    owner_ = CreateWindowExA(0, "Recorder", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                             400, 300, nullptr, nullptr, nullptr, nullptr);
    menu_ = CreatePopupMenu();
    AppendMenuA(menu_, MF_STRING, 10, "&Open");
    AppendMenuA(menu_, MF_STRING | MF_CHECKED, 11, "Check\tF8");
    AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu_, MF_STRING | MF_GRAYED, 12, "Greyed");
    Pump();
    MessageLog::Clear();
  }
  void TearDown() override {
    DestroyMenu(menu_);
    DestroyWindow(owner_);
    PlatformTest::TearDown();
  }
  // The commands that reached the owner, WM_COMMAND or WM_SYSCOMMAND.
  std::vector<WPARAM> Commands(UINT message) {
    std::vector<WPARAM> ids;
    for (const LoggedMessage& m : MessageLog::Entries()) {
      if (m.hwnd == owner_ && m.message == message) ids.push_back(m.wParam);
    }
    return ids;
  }
  // Runs the thread's loop until the script is used up.
  void RunLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  const desktop::MenuRecord& LastMenu() { return session().menus().back(); }

  HWND owner_ = nullptr;
  HMENU menu_ = nullptr;
};

struct ChoiceCase {
  const char* name;
  std::function<void(desktop::HeadlessHost&)> choose;
  UINT flags;
  BOOL result;
  std::vector<WPARAM> commands;
};

TEST_F(MenuHeadlessTest, ChoicesAndWhatTheyGive) {
  const ChoiceCase cases[] = {
      {"by text without & and accelerator", [](auto& h) { h.ChooseMenuItem("Check"); }, 0, TRUE,
       {11}},
      {"returned, not posted", [](auto& h) { h.ChooseMenuItem(11); }, TPM_RETURNCMD, 11, {}},
      {"dismissed", [](auto& h) { h.DismissMenu(); }, TPM_RETURNCMD, 0, {}},
      {"nothing queued: dismissed", [](auto&) {}, 0, TRUE, {}},
      {"no notifications asked for", [](auto& h) { h.ChooseMenuItem(10); }, TPM_NONOTIFY, TRUE,
       {10}},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    MessageLog::Clear();
    c.choose(headless());
    EXPECT_EQ(TrackPopupMenu(menu_, c.flags, 0, 0, 0, owner_, nullptr), c.result);
    Pump();
    EXPECT_EQ(Commands(WM_COMMAND), c.commands);
    bool notified = !MessageLog::For(owner_).empty() &&
                    MessageLog::For(owner_).front() == static_cast<UINT>(WM_ENTERMENULOOP);
    EXPECT_EQ(notified, !(c.flags & TPM_NONOTIFY));
  }
}

// A greyed item cannot be chosen: the menu stays open until the user is
// done, and the end of the run still reaches the loop outside.
TEST_F(MenuHeadlessTest, AGreyedItemLeavesTheMenuOpen) {
  headless().ChooseMenuItem(12);
  EXPECT_EQ(TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, 0, owner_, nullptr), 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  EXPECT_EQ(LastMenu().chosen, 0u);
  EXPECT_FALSE(LastMenu().open);
}

// Exactly on time: the menu closes when the user acts, the timer ticking
// inside it meanwhile.
TEST_F(MenuHeadlessTest, TheMenuLastsAsLongAsTheUserTakes) {
  SetTimer(owner_, 1, 100, nullptr);
  headless().ChooseMenuItem(10, 350);
  EXPECT_TRUE(TrackPopupMenu(menu_, 0, 0, 0, 0, owner_, nullptr));
  KillTimer(owner_, 1);
  std::vector<UINT> seen = MessageLog::For(owner_);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_TIMER)), 3);
  EXPECT_EQ(LastMenu().closedAt - LastMenu().openedAt, 350u);
}

TEST_F(MenuHeadlessTest, TheRecordShowsWhatTheUserSaw) {
  headless().DismissMenu();
  TrackPopupMenu(menu_, TPM_RIGHTBUTTON, 640, 360, 0, owner_, nullptr);
  const desktop::MenuRecord& seen = LastMenu();
  EXPECT_EQ(seen.owner, owner_);
  EXPECT_EQ(seen.position.x, 640);
  EXPECT_EQ(seen.position.y, 360);
  EXPECT_EQ(seen.flags, static_cast<UINT>(TPM_RIGHTBUTTON));
  EXPECT_FALSE(seen.windowMenu);
  ASSERT_EQ(seen.items.size(), 4u);
  EXPECT_EQ(seen.items[0].text, "&Open");
  EXPECT_TRUE(seen.items[1].checked);
  EXPECT_TRUE(seen.items[2].separator);
  EXPECT_TRUE(seen.items[3].grayed);
  EXPECT_FALSE(seen.items[0].checked || seen.items[0].grayed);
}

TEST_F(MenuHeadlessTest, BadArgumentsAndNesting) {
  HMENU gone = CreatePopupMenu();
  DestroyMenu(gone);
  SetLastError(0);
  EXPECT_FALSE(TrackPopupMenu(gone, 0, 0, 0, 0, owner_, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
  EXPECT_FALSE(TrackPopupMenu(menu_, 0, 0, 0, 0, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  // A second menu cannot open while one is tracked.
  BOOL nested = TRUE;
  headless().Do("", [&] { nested = TrackPopupMenu(menu_, 0, 0, 0, 0, owner_, nullptr); });
  headless().ChooseMenuItem(10, 10);
  TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, 0, owner_, nullptr);
  EXPECT_FALSE(nested);
}

// The window menu opened with Alt+Space: its choices arrive as
// WM_SYSCOMMAND, the program's own items too.
TEST_F(MenuHeadlessTest, AltSpaceOpensTheWindowMenuUnderTheCaption) {
  HMENU windowMenu = GetSystemMenu(owner_, FALSE);
  AppendMenuA(windowMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(windowMenu, MF_STRING, 0x0010, "&About...");
  headless().PressWithAlt(VK_SPACE).ChooseMenuItem("About...");
  RunLoop();
  ASSERT_EQ(session().menus().size(), 1u);
  const desktop::MenuRecord& seen = LastMenu();
  EXPECT_TRUE(seen.windowMenu);
  int frame = GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
  EXPECT_EQ(seen.position.x, 100 + frame);
  EXPECT_EQ(seen.position.y, 100 + frame + GetSystemMetrics(SM_CYCAPTION));
  std::vector<WPARAM> commands = Commands(WM_SYSCOMMAND);
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0], static_cast<WPARAM>(SC_KEYMENU));
  EXPECT_EQ(commands[1], 0x0010u);
  EXPECT_TRUE(IsWindow(owner_));
}

TEST_F(MenuHeadlessTest, CloseFromTheWindowMenuDestroysTheWindow) {
  headless().PressWithAlt(VK_SPACE).ChooseMenuItem("Close");
  RunLoop();
  EXPECT_FALSE(IsWindow(owner_));
}

struct GreyCase {
  const char* name;
  DWORD style;
  int show;
  std::vector<UINT> greyed;
};

// The window menu's items are greyed by the window's style and state each
// time it opens.
TEST_F(MenuHeadlessTest, TheWindowMenuGreysWhatTheWindowCannotDo) {
  const GreyCase cases[] = {
      {"normal, sizable", WS_OVERLAPPEDWINDOW, SW_SHOWNORMAL, {SC_RESTORE}},
      {"maximised", WS_OVERLAPPEDWINDOW, SW_SHOWMAXIMIZED, {SC_MOVE, SC_SIZE, SC_MAXIMIZE}},
      {"minimised", WS_OVERLAPPEDWINDOW, SW_SHOWMINIMIZED, {SC_SIZE, SC_MINIMIZE}},
      {"frameless popup", WS_POPUP | WS_SYSMENU, SW_SHOWNORMAL,
       {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}},
      {"popup with a minimise box", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, SW_SHOWNORMAL,
       {SC_RESTORE, SC_SIZE, SC_MAXIMIZE}},
  };
  for (const GreyCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = CreateWindowExA(0, "Recorder", "w", c.style, 10, 10, 300, 200, nullptr, nullptr,
                                nullptr, nullptr);
    ShowWindow(hwnd, c.show);
    headless().DismissMenu();
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
    std::vector<UINT> greyed;
    for (const desktop::SeenMenuItem& item : LastMenu().items) {
      if (item.grayed && !item.separator) greyed.push_back(item.id);
    }
    std::sort(greyed.begin(), greyed.end());
    std::vector<UINT> expected = c.greyed;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(greyed, expected);
    DestroyWindow(hwnd);
  }
}

TEST_F(MenuHeadlessTest, ScriptsChooseAndDismissMenus) {
  std::string error;
  ASSERT_TRUE(desktop::ParseScript("menu 11 after 200; menu dismiss", headless(), &error)) << error;
  EXPECT_EQ(TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, 0, owner_, nullptr), 11);
  EXPECT_EQ(TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, 0, owner_, nullptr), 0);
  EXPECT_EQ(session().menus()[0].closedAt - session().menus()[0].openedAt, 200u);
  for (const char* bad : {"menu", "menu 0", "menu open", "menu 5 later 3"}) {
    EXPECT_FALSE(desktop::ParseScript(bad, headless(), &error)) << bad;
  }
}

// A window's menu goes with it.
TEST_F(MenuHeadlessTest, TheWindowMenuIsDestroyedWithItsWindow) {
  HMENU windowMenu = GetSystemMenu(owner_, FALSE);
  ASSERT_TRUE(IsMenu(windowMenu));
  DestroyWindow(owner_);
  EXPECT_FALSE(IsMenu(windowMenu));
}

}  // namespace
