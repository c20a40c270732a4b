// The thread's queue: delivery order, timers, quitting and nested loops.
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

class QueueTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Recorder", RecordingWindowProc);
    hwnd_ = CreateWindowExA(0, "Recorder", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                            nullptr, nullptr, nullptr);
    Pump();
    MessageLog::Clear();
  }
  void TearDown() override {
    DestroyWindow(hwnd_);
    PlatformTest::TearDown();
  }
  // The messages GetMessage hands out until nothing is left.
  std::vector<UINT> Drain() {
    std::vector<UINT> order;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.hwnd == hwnd_) order.push_back(msg.message);  // not the test user's own timer
      DispatchMessageA(&msg);
    }
    return order;
  }
  HWND hwnd_ = nullptr;
};

TEST_F(QueueTest, PostedMessagesComeBeforePaintingAndPaintingBeforeTimers) {
  // A period long enough that a loaded machine's real clock (under Wine)
  // cannot make the timer due a second time before the queue is drained.
  SetTimer(hwnd_, 7, 500, nullptr);
  user().Advance(550);
  ShowWindow(hwnd_, SW_HIDE);
  ShowWindow(hwnd_, SW_SHOW);  // needs painting again
  PostMessageA(hwnd_, WM_USER + 5, 1, 2);
  EXPECT_TRUE(SameSequence({WM_USER + 5, WM_PAINT, WM_TIMER}, Drain()));
  KillTimer(hwnd_, 7);
}

TEST_F(QueueTest, SentMessagesRunAtOncePostedOnesWait) {
  PostMessageA(hwnd_, WM_USER + 1, 0, 0);
  SendMessageA(hwnd_, WM_USER + 2, 0, 0);
  EXPECT_TRUE(SameSequence({WM_USER + 2}, MessageLog::For(hwnd_)));
  Pump();
  EXPECT_TRUE(SameSequence({WM_USER + 2, WM_USER + 1}, MessageLog::For(hwnd_)));
}

TEST_F(QueueTest, ADueTimerIsQueuedOnceHowLongSoEverItWaits) {
  SetTimer(hwnd_, 1, 100, nullptr);
  user().Advance(1000);
  EXPECT_TRUE(SameSequence({WM_TIMER}, Drain()));
  user().Advance(40);
  EXPECT_TRUE(Drain().empty());  // the next tick counts from the last one taken
  user().Advance(80);
  EXPECT_TRUE(SameSequence({WM_TIMER}, Drain()));
  EXPECT_TRUE(KillTimer(hwnd_, 1));
  EXPECT_FALSE(KillTimer(hwnd_, 1));
  user().Advance(500);
  EXPECT_TRUE(Drain().empty());
}

TEST_F(QueueTest, TimersTickAtTheirPeriodOnTheClock) {
  DWORD start = GetTickCount();
  SetTimer(hwnd_, 1, 1000, nullptr);
  Pass(3500);
  // 3500 ms on the virtual clock; a loaded machine's real clock may pass more.
  int periods = static_cast<int>((GetTickCount() - start) / 1000);
  int ticks = 0;
  for (const LoggedMessage& m : MessageLog::Entries()) {
    ticks += m.hwnd == hwnd_ && m.message == WM_TIMER && m.wParam == 1;
  }
  EXPECT_GE(ticks, 2);  // 3 on the virtual clock; a real clock may be a little late
  EXPECT_LE(ticks, periods);  // never more than one tick a period
  KillTimer(hwnd_, 1);
}

TEST_F(QueueTest, QuitComesAfterPostedMessagesWithItsCode) {
  PostMessageA(hwnd_, WM_USER, 0, 0);
  PostQuitMessage(42);
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 42u);
}

TEST_F(QueueTest, TranslateMessageQueuesTheCharacter) {
  MSG key{hwnd_, WM_KEYDOWN, VK_RETURN, 1, 0, {0, 0}};
  EXPECT_TRUE(TranslateMessage(&key));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, hwnd_, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>('\r'));
  // Key messages count as translated even when they give no character.
  MSG f5{hwnd_, WM_KEYDOWN, VK_F5, 1, 0, {0, 0}};
  EXPECT_TRUE(TranslateMessage(&f5));
  EXPECT_FALSE(PeekMessageA(&msg, hwnd_, WM_CHAR, WM_CHAR, PM_REMOVE));
  MSG timer{hwnd_, WM_TIMER, 1, 0, 0, {0, 0}};
  EXPECT_FALSE(TranslateMessage(&timer));
}

}  // namespace
