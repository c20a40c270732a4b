// The notification area: one icon per window and id, changed and removed
// only while it exists, and a tip that is never read past its field.
#include <cstring>

#include "tests/support/platform_test.h"

namespace {

class NotifyIconTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    hwnd_ = CreateWindowExA(0, "Static", "tray owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(hwnd_);
    PlatformTest::TearDown();
  }
  NOTIFYICONDATAA Data(UINT id, UINT flags, const char* tip = "") {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = hwnd_;
    data.uID = id;
    data.uFlags = flags;
    data.uCallbackMessage = WM_USER + 1;
    std::strncpy(data.szTip, tip, sizeof data.szTip);
    return data;
  }
  HWND hwnd_ = nullptr;
};

TEST_F(NotifyIconTest, AddOnceModifyAndDeleteOnlyWhatExists) {
  NOTIFYICONDATAA data = Data(128, NIF_MESSAGE | NIF_TIP, "Qorvan");
  struct Step {
    const char* name;
    DWORD message;
    UINT id;
    BOOL succeeds;
  };
  const Step steps[] = {
      {"modify before add", NIM_MODIFY, 128, FALSE},
      {"delete before add", NIM_DELETE, 128, FALSE},
      {"add", NIM_ADD, 128, TRUE},
      {"add the same again", NIM_ADD, 128, FALSE},
      {"add another id", NIM_ADD, 129, TRUE},
      {"modify", NIM_MODIFY, 128, TRUE},
      {"delete", NIM_DELETE, 128, TRUE},
      {"delete again", NIM_DELETE, 128, FALSE},
      {"add after delete", NIM_ADD, 128, TRUE},
  };
  for (const Step& step : steps) {
    data.uID = step.id;
    EXPECT_EQ(Shell_NotifyIconA(step.message, &data), step.succeeds) << step.name;
  }
  for (UINT id : {128u, 129u}) {
    data.uID = id;
    Shell_NotifyIconA(NIM_DELETE, &data);
  }
}

// A tip that fills its whole field without an end is taken, cut short.
TEST_F(NotifyIconTest, AnUnterminatedTipIsAccepted) {
  NOTIFYICONDATAA data = Data(7, NIF_TIP);
  std::memset(data.szTip, 'x', sizeof data.szTip);
  std::memset(data.szInfo, 'y', sizeof data.szInfo);
  EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
  EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
}

}  // namespace
