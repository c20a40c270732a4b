// What only the headless desktop has: held keys from the scripted user,
// code page 936 names on the real file system, and the screen a test chooses.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

class HeadlessTest : public PlatformTest {};

TEST_F(HeadlessTest, GetAsyncKeyStateFollowsTheHeldKeys) {
  RegisterTestClass("Recorder", RecordingWindowProc);
  HWND hwnd = CreateWindowExA(0, "Recorder", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                              nullptr, nullptr, nullptr);
  Pump();
  MessageLog::Clear();
  bool heldInside = false;
  headless().KeyDown(VK_SHIFT).Do("", [&] { heldInside = GetAsyncKeyState(VK_SHIFT) < 0; }).KeyUp(VK_SHIFT);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
  EXPECT_TRUE(heldInside);
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
  EXPECT_TRUE(SameSequence({WM_KEYDOWN, WM_KEYUP}, MessageLog::For(hwnd)));
  DestroyWindow(hwnd);
}

// Steps an action adds run right after it; WaitUntil runs the clock to a
// time, and to nothing when that time has passed.
TEST_F(HeadlessTest, StepsAddedByAnActionComeNextAndWaitUntilIsAbsolute) {
  std::vector<std::pair<std::string, DWORD>> seen;
  auto note = [&](const char* what) { return [&seen, what] { seen.emplace_back(what, GetTickCount()); }; };
  headless().Wait(100)
      .Do("", [&] {
        seen.emplace_back("first", GetTickCount());
        headless().Wait(50).Do("", note("added"));
      })
      .Do("", note("second"))
      .WaitUntil(1000)
      .Do("", note("at 1000"))
      .WaitUntil(400)
      .Do("", note("still 1000"));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, DWORD>>{
                      {"first", 100}, {"added", 150}, {"second", 150}, {"at 1000", 1000},
                      {"still 1000", 1000}}));
}

TEST_F(HeadlessTest, CodePage936NamesAreUtf8OnTheRealFileSystem) {
  HANDLE file = CreateFileA("C:\\游戏\\存档.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_EQ(file, INVALID_HANDLE_VALUE);  // the folder does not exist
  std::filesystem::create_directories(session().rootFolder() + "/c/\xE6\xB8\xB8\xE6\x88\x8F");
  file = CreateFileA("C:\\游戏\\存档.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, "x", 1, &written, nullptr));
  CloseHandle(file);
  EXPECT_TRUE(std::filesystem::exists(session().rootFolder() +
                                      "/c/\xE6\xB8\xB8\xE6\x88\x8F/\xE5\xAD\x98\xE6\xA1\xA3.txt"));
}

TEST_F(HeadlessTest, TheScreenAndWorkAreaAreTheTestsChoice) {
  session().SetScreen(1280, 800, RECT{0, 40, 1280, 800});
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(work.top, 40);
  // Windows 10 at 96 DPI, which the desktop imitates (Wine's own theme differs).
  EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 23);
  EXPECT_EQ(GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER), 8);
  EXPECT_EQ(GetSystemMetrics(SM_CXDLGFRAME), 3);
}

TEST_F(HeadlessTest, TheBoxesRecordTheirTypeAndTimes) {
  headless().AnswerBox(IDNO, 450);
  EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_YESNO | MB_ICONQUESTION), IDNO);
  ASSERT_EQ(session().boxes().size(), 1u);
  EXPECT_EQ(session().boxes()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(session().boxes()[0].closedAt - session().boxes()[0].openedAt, 450u);
  EXPECT_FALSE(session().boxes()[0].open);
}

}  // namespace
