// Mouse cases that need the virtual clock to the millisecond: the hover
// falls due exactly when the mouse has rested for the hover time, and wakes
// a program that waits for input.
#include "platform/desktop/headless_host.h"
#include "platform/desktop/input.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/script.h"
#include "tests/support/mouse_window.h"
#include "tests/support/platform_test.h"

namespace {

class MouseHeadlessTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("MouseWindow", MouseWindowProc);
    hwnd_ = CreateWindowExA(0, "MouseWindow", "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                            nullptr, nullptr, nullptr);
    Pump();
    MessageLog::Clear();
  }
  void TearDown() override {
    DestroyWindow(hwnd_);
    ForgetMouseWindowOptions();
    PlatformTest::TearDown();
  }
  // Clock values at which the window's messages of one kind were taken.
  static std::vector<DWORD> TimesOf(const std::vector<MSG>& taken, HWND hwnd, UINT message) {
    std::vector<DWORD> times;
    for (const MSG& m : taken) {
      if (m.hwnd == hwnd && m.message == message) times.push_back(m.time);
    }
    return times;
  }
  HWND hwnd_ = nullptr;
};

TEST_F(MouseHeadlessTest, TheHoverFallsDueWhenTheMouseHasRestedForTheHoverTime) {
  struct Case {
    const char* what;
    DWORD hoverTime;
    int secondMoveBy;  // pixels the mouse moves 300 ms after it arrived; 0: none
    DWORD expectedAt;  // clock value of the hover
  } cases[] = {
      {"the default hover time", HOVER_DEFAULT, 0, 400},
      {"a hover time of the window's own", 100, 0, 100},
      {"wandering within the hover rectangle keeps the rest", HOVER_DEFAULT, 2, 400},
      {"moving further starts the rest again", HOVER_DEFAULT, 3, 700},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MessageLog::Clear();
    DWORD start = GetTickCount();
    headless().MoveMouse(POINT{150, 130});
    headless().Do("", [&] {
      TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER, hwnd_, c.hoverTime};
      EXPECT_TRUE(TrackMouseEvent(&track));
    });
    if (c.secondMoveBy) {
      headless().Wait(300).MoveMouse(POINT{150 + c.secondMoveBy, 130});
    }
    headless().Wait(1500);
    std::vector<MSG> taken = RunUntilUserIsDone();
    std::vector<DWORD> hovers = TimesOf(taken, hwnd_, WM_MOUSEHOVER);
    ASSERT_EQ(hovers.size(), 1u);
    EXPECT_EQ(hovers[0] - start, c.expectedAt);
    // Park the mouse elsewhere for the next case.
    headless().MoveMouse(POINT{1000, 1000});
    RunUntilUserIsDone();
  }
}

TEST_F(MouseHeadlessTest, ALeaveAskedForAwayFromTheWindowComesAtOnce) {
  headless().MoveMouse(POINT{500, 500}).Do("", [&] {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_HOVER, hwnd_, HOVER_DEFAULT};
    EXPECT_TRUE(TrackMouseEvent(&track));
  }).Wait(1000);
  RunUntilUserIsDone();
  EXPECT_EQ(LoggedOf(hwnd_, WM_MOUSELEAVE).size(), 1u);
  EXPECT_TRUE(LoggedOf(hwnd_, WM_MOUSEHOVER).empty());
}

TEST_F(MouseHeadlessTest, AWindowThatGoesTakesItsCaptureAndTrackingWithIt) {
  headless().MoveMouse(POINT{150, 130}).Do("", [&] {
    SetCapture(hwnd_);
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, hwnd_, HOVER_DEFAULT};
    TrackMouseEvent(&track);
    DestroyWindow(hwnd_);
  }).Wait(1000);
  RunUntilUserIsDone();
  EXPECT_EQ(GetCapture(), nullptr);
  TRACKMOUSEEVENT query{sizeof(TRACKMOUSEEVENT), TME_QUERY, nullptr, 0};
  EXPECT_TRUE(TrackMouseEvent(&query));
  EXPECT_EQ(query.hwndTrack, nullptr);
}

TEST_F(MouseHeadlessTest, SetCursorPosMovesTheMouseOntoTheScreen) {
  EXPECT_TRUE(SetCursorPos(150, 130));
  Pump();
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 150);
  EXPECT_EQ(LoggedOf(hwnd_, WM_MOUSEMOVE).size(), 1u);
  SetCursorPos(-50, 5000);
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 1079);
}

TEST_F(MouseHeadlessTest, MouseInputBehindAKeyWaitsItsTurnEvenForAMouseOnlyPeek) {
  SetFocus(hwnd_);
  desktop::InjectKey(VK_SPACE, true);
  desktop::InjectMouseMove(POINT{150, 130});
  MSG msg;
  // Input goes in order: the move is not handed out past the key, and never
  // without its window.
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(msg.hwnd, hwnd_);
  EXPECT_EQ(msg.lParam, MAKELPARAM(50, 30));
}

TEST_F(MouseHeadlessTest, TheScriptMovesAndClicksTheMouse) {
  std::string error;
  ASSERT_TRUE(desktop::ParseScript("move 150 130; wait 10; click 160 140", headless(), &error)) << error;
  RunUntilUserIsDone();
  auto down = LoggedOf(hwnd_, WM_LBUTTONDOWN);
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(down[0].lParam, MAKELPARAM(60, 40));
  EXPECT_EQ(LoggedOf(hwnd_, WM_LBUTTONUP).size(), 1u);
  EXPECT_FALSE(desktop::ParseScript("click 10", headless(), &error));
  EXPECT_EQ(error, "step 1: click takes a screen point, x and y");
  EXPECT_FALSE(desktop::ParseScript("move -1 5", headless(), &error));
}

}  // namespace
