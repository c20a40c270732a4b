// Pop-up menus tracked with the test user choosing: what the owner hears,
// where the choice arrives, and the thread running on inside the menu.
#include <algorithm>

#include "tests/support/divergence.h"
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

class PopupMenuTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Recorder", RecordingWindowProc);
    owner_ = CreateWindowExA(0, "Recorder", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                             400, 300, nullptr, nullptr, nullptr, nullptr);
    menu_ = CreatePopupMenu();
    AppendMenuA(menu_, MF_STRING, 10, "&Open");
    AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu_, MF_STRING | MF_CHECKED, 11, "Check");
    Pump();
    MessageLog::Clear();
  }
  void TearDown() override {
    DestroyMenu(menu_);
    DestroyWindow(owner_);
    PlatformTest::TearDown();
  }
  std::vector<WPARAM> Commands(UINT message) {
    std::vector<WPARAM> ids;
    for (const LoggedMessage& m : MessageLog::Entries()) {
      if (m.hwnd == owner_ && m.message == message) ids.push_back(LOWORD(m.wParam));
    }
    return ids;
  }
  // The menu loop's notifications to the owner, in order.
  std::vector<UINT> LoopMessages() {
    std::vector<UINT> seen;
    for (UINT m : MessageLog::For(owner_)) {
      if (m == WM_ENTERMENULOOP || m == WM_INITMENU || m == WM_INITMENUPOPUP ||
          m == WM_UNINITMENUPOPUP || m == WM_EXITMENULOOP || m == WM_COMMAND) {
        seen.push_back(m);
      }
    }
    return seen;
  }

  HWND owner_ = nullptr;
  HMENU menu_ = nullptr;
};

// The choice is posted: it arrives after the loop has ended, when the
// owner's loop runs again.
TEST_F(PopupMenuTest, AChosenItemArrivesAsACommandAfterTheMenuLoop) {
  user().ChooseMenuItem(11, 50);
  EXPECT_TRUE(TrackPopupMenu(menu_, 0, 300, 200, 0, owner_, nullptr));
  EXPECT_TRUE(SameSequence({WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_UNINITMENUPOPUP,
                            WM_EXITMENULOOP},
                           LoopMessages()));
  EXPECT_TRUE(Commands(WM_COMMAND).empty());
  Pump();
  EXPECT_EQ(Commands(WM_COMMAND), std::vector<WPARAM>{11});
}

TEST_F(PopupMenuTest, ReturnedCommandsAreNotPosted) {
  user().ChooseMenuItem(10, 50).DismissMenu(50);
  EXPECT_EQ(TrackPopupMenu(menu_, TPM_RETURNCMD, 300, 200, 0, owner_, nullptr), 10);
  EXPECT_EQ(TrackPopupMenu(menu_, TPM_RETURNCMD, 300, 200, 0, owner_, nullptr), 0);
  Pump();
  EXPECT_TRUE(Commands(WM_COMMAND).empty());
}

// The window menu, tracked by the program itself, answers like any pop-up:
// with WM_COMMAND, which a program passes on as WM_SYSCOMMAND if it wants.
TEST_F(PopupMenuTest, TheWindowMenuTrackedByTheProgramAnswersWithACommand) {
  HMENU windowMenu = GetSystemMenu(owner_, FALSE);
  user().ChooseMenuItem(SC_MINIMIZE, 50);
  EXPECT_TRUE(TrackPopupMenu(windowMenu, 0, 300, 200, 0, owner_, nullptr));
  Pump();
  if (WINE_DIVERGES("Wine posts the window menu's choice as WM_SYSCOMMAND")) {
    EXPECT_EQ(Commands(WM_SYSCOMMAND), std::vector<WPARAM>{SC_MINIMIZE});
  } else {
    EXPECT_EQ(Commands(WM_COMMAND), std::vector<WPARAM>{SC_MINIMIZE});
    EXPECT_FALSE(IsIconic(owner_));
  }
}

// Timers tick and posted messages arrive while the menu is open.
TEST_F(PopupMenuTest, TheThreadKeepsRunningInsideTheMenu) {
  SetTimer(owner_, 1, 50, nullptr);
  PostMessageA(owner_, WM_USER + 5, 0, 0);
  user().ChooseMenuItem(10, 300);
  EXPECT_TRUE(TrackPopupMenu(menu_, 0, 0, 0, 0, owner_, nullptr));
  KillTimer(owner_, 1);
  std::vector<UINT> seen = MessageLog::For(owner_);
  EXPECT_GE(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_TIMER)), 3);
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_USER + 5)), seen.end());
}

}  // namespace
