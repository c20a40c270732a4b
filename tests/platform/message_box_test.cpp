// Message boxes: what the user sees, the owner disabled meanwhile, and the
// nested loop that keeps the thread's windows alive.
#include <cstdlib>

#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

class MessageBoxTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Recorder", RecordingWindowProc);
    owner_ = CreateWindowExA(0, "Recorder", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                             nullptr, nullptr, nullptr);
    Pump();
    MessageLog::Clear();
  }
  void TearDown() override {
    DestroyWindow(owner_);
    PlatformTest::TearDown();
  }
  HWND owner_ = nullptr;
};

TEST_F(MessageBoxTest, TheUserSeesCaptionTextAndButtonsAndTheAnswerComesBack) {
  bool ownerDisabled = false;
  user().AnswerBox(IDNO, 450);
  SetTimer(owner_, 1, 100, nullptr);
  user().Do("", [&] { ownerDisabled = !IsWindowEnabled(owner_); });
  EXPECT_EQ(MessageBoxA(owner_, "是否要关闭游戏", "", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner_));

  std::vector<SeenBox> boxes = user().Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].owner, owner_);
  EXPECT_EQ(boxes[0].caption, "");
  EXPECT_EQ(boxes[0].text, "是否要关闭游戏");
  EXPECT_EQ(boxes[0].result, IDNO);
  EXPECT_GE(boxes[0].closedAt - boxes[0].openedAt, 450u);

  // The owner's timer kept ticking inside the box's loop.
  int ticks = 0;
  for (const LoggedMessage& m : MessageLog::Entries()) ticks += m.message == WM_TIMER;
  EXPECT_GE(ticks, 3);
  KillTimer(owner_, 1);
}

TEST_F(MessageBoxTest, ANullCaptionReadsErrorAndTheDefaultAnswerIsTheFirstButton) {
  EXPECT_EQ(MessageBoxA(nullptr, "text", nullptr, MB_OKCANCEL), IDOK);
  ASSERT_EQ(user().Boxes().size(), 1u);
  EXPECT_EQ(user().Boxes()[0].caption, "Error");
  EXPECT_EQ(user().Boxes()[0].owner, nullptr);
}

TEST_F(MessageBoxTest, TheBoxOpensCentredInTheWorkArea) {
  RECT box{};
  user().AnswerBox(IDOK, 200);
  SetTimer(owner_, 1, 100, nullptr);
  user().Do("", [&] { GetWindowRect(GetActiveWindow(), &box); });
  MessageBoxA(owner_, "text", "centred", MB_OK);
  KillTimer(owner_, 1);

  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  ASSERT_GT(box.right - box.left, 0);
  // The box's centre is the work area's, to the pixel that halving rounds.
  EXPECT_LE(std::abs((box.left + box.right) - (work.left + work.right)), 2);
  EXPECT_LE(std::abs((box.top + box.bottom) - (work.top + work.bottom)), 2);
}

TEST_F(MessageBoxTest, PostedMessagesArriveWhileTheBoxIsOpen) {
  user().AnswerBox(IDOK, 100);
  PostMessageA(owner_, WM_USER + 9, 0, 0);
  MessageBoxA(owner_, "text", "caption", MB_OK);
  EXPECT_TRUE(SameSequence({WM_USER + 9}, [&] {
    std::vector<UINT> user;
    for (UINT m : MessageLog::For(owner_)) if (m == WM_USER + 9) user.push_back(m);
    return user;
  }()));
}

}  // namespace
