// Message boxes: what the user sees, the owner disabled meanwhile, and the
// nested loop that keeps the thread's windows alive.
#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
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

// Portable only: the scripted user answers the box.
TEST_F(MessageBoxTest, TheUserSeesCaptionTextAndButtonsAndTheAnswerComesBackPortableOnly) {
  bool ownerDisabled = false;
  user().AnswerBox(IDNO, 450);
  SetTimer(owner_, 1, 100, nullptr);
  user().Do("", [&] { ownerDisabled = !IsWindowEnabled(owner_); });
  EXPECT_EQ(MessageBoxA(owner_, "是否要关闭游戏", "", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner_));

  ASSERT_EQ(session().boxes().size(), 1u);
  const desktop::MessageBoxRecord& box = session().boxes()[0];
  EXPECT_EQ(box.owner, owner_);
  EXPECT_EQ(box.caption, "");
  EXPECT_EQ(box.text, "是否要关闭游戏");
  EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(box.closedAt - box.openedAt, 450u);
  EXPECT_FALSE(box.open);

  // The owner's timer kept ticking inside the box's loop.
  int ticks = 0;
  for (const LoggedMessage& m : MessageLog::Entries()) ticks += m.message == WM_TIMER;
  EXPECT_EQ(ticks, 4);
  KillTimer(owner_, 1);
}

TEST_F(MessageBoxTest, ANullCaptionReadsErrorAndTheDefaultAnswerIsTheFirstButtonPortableOnly) {
  EXPECT_EQ(MessageBoxA(nullptr, "text", nullptr, MB_OKCANCEL), IDOK);
  ASSERT_EQ(session().boxes().size(), 1u);
  EXPECT_EQ(session().boxes()[0].caption, "Error");
  EXPECT_EQ(session().boxes()[0].owner, nullptr);
}

TEST_F(MessageBoxTest, PostedMessagesArriveWhileTheBoxIsOpenPortableOnly) {
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
