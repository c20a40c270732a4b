// The shell's parts of the screen on the headless desktop: the notification
// area with the user's clicks, the taskbar's buttons, and maximising into a
// work area the test chooses.
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/desktop/headless_host.h"
#include "platform/desktop/notify_icons.h"
#include "platform/desktop/resource_model.h"
#include "platform/desktop/session.h"
#include "platform/desktop/taskbar.h"
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

constexpr UINT kTrayMessage = WM_USER + 1;

class ShellUiTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Recorder", RecordingWindowProc);
    MessageLog::Clear();
  }
  HWND Create(DWORD style, DWORD exStyle = 0, HWND owner = nullptr) {
    return CreateWindowExA(exStyle, "Recorder", "w", style, 100, 100, 400, 300, owner, nullptr,
                           nullptr, nullptr);
  }
  NOTIFYICONDATAA Icon(HWND hwnd, UINT id, const std::string& tip) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = hwnd;
    data.uID = id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    std::memcpy(data.szTip, tip.data(), std::min(tip.size(), sizeof data.szTip));
    return data;
  }
  std::vector<std::pair<WPARAM, LPARAM>> TrayMessages(HWND hwnd) {
    std::vector<std::pair<WPARAM, LPARAM>> seen;
    for (const LoggedMessage& m : MessageLog::Entries()) {
      if (m.hwnd == hwnd && m.message == kTrayMessage) seen.push_back({m.wParam, m.lParam});
    }
    return seen;
  }
};

TEST_F(ShellUiTest, ClicksOnTheIconReachTheWindowWithTheIdAndTheMouseMessage) {
  HWND hwnd = Create(WS_POPUP);
  NOTIFYICONDATAA data = Icon(hwnd, 128, "Qorvan");
  ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
  ASSERT_EQ(session().notifyIcons().size(), 1u);
  EXPECT_EQ(session().notifyIcons()[0].tip, "Qorvan");

  EXPECT_TRUE(desktop::ClickNotifyIcon(hwnd, 128, desktop::IconClick::kLeft));
  EXPECT_TRUE(desktop::ClickNotifyIcon(hwnd, 128, desktop::IconClick::kRight));
  std::vector<std::pair<WPARAM, LPARAM>> expected = {
      {128, WM_LBUTTONDOWN}, {128, WM_LBUTTONUP}, {128, 0x0204}, {128, 0x0205}};
  EXPECT_EQ(TrayMessages(hwnd), expected);
  EXPECT_FALSE(desktop::ClickNotifyIcon(hwnd, 5, desktop::IconClick::kLeft));

  DestroyWindow(hwnd);  // its icons go with it
  EXPECT_TRUE(session().notifyIcons().empty());
}

struct TipCase {
  const char* name;
  std::size_t length;
  std::size_t kept;
};

// The tip field holds 128 bytes; whatever is in it, at most 127 are kept.
TEST_F(ShellUiTest, TheTipIsCutToItsField) {
  HWND hwnd = Create(WS_POPUP);
  const TipCase cases[] = {
      {"short", 10, 10}, {"127 bytes", 127, 127}, {"128 bytes, unterminated", 128, 127}};
  for (const TipCase& c : cases) {
    SCOPED_TRACE(c.name);
    NOTIFYICONDATAA data = Icon(hwnd, 1, std::string(c.length, 'a'));
    std::memset(data.szInfo, 'b', sizeof data.szInfo);  // what follows the field is not tip
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
    EXPECT_EQ(session().notifyIcons().back().tip, std::string(c.kept, 'a'));
    Shell_NotifyIconA(NIM_DELETE, &data);
  }
  // A modify changes only what its flags name.
  NOTIFYICONDATAA data = Icon(hwnd, 1, "first");
  Shell_NotifyIconA(NIM_ADD, &data);
  data.uFlags = NIF_TIP;
  std::strcpy(data.szTip, "second");
  data.uCallbackMessage = 0;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));
  EXPECT_EQ(session().notifyIcons().back().tip, "second");
  EXPECT_EQ(session().notifyIcons().back().callbackMessage, kTrayMessage);
  DestroyWindow(hwnd);
}

struct TaskbarCase {
  const char* name;
  DWORD style;
  DWORD exStyle;
  bool owned;
  bool hasButton;
};

TEST_F(ShellUiTest, WhichWindowsHaveATaskbarButton) {
  HWND owner = Create(WS_POPUP | WS_VISIBLE);
  const TaskbarCase cases[] = {
      {"unowned, visible", WS_POPUP | WS_VISIBLE, 0, false, true},
      {"unowned, hidden", WS_POPUP, 0, false, false},
      {"unowned tool window", WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, false, false},
      {"owned", WS_POPUP | WS_VISIBLE, 0, true, false},
      {"owned application window", WS_POPUP | WS_VISIBLE, WS_EX_APPWINDOW, true, true},
      {"application tool window", WS_POPUP | WS_VISIBLE, WS_EX_APPWINDOW | WS_EX_TOOLWINDOW,
       false, true},
  };
  for (const TaskbarCase& c : cases) {
    HWND hwnd = Create(c.style, c.exStyle, c.owned ? owner : nullptr);
    EXPECT_EQ(desktop::HasTaskbarButton(hwnd), c.hasButton) << c.name;
    std::vector<HWND> buttons = desktop::TaskbarButtons();
    EXPECT_EQ(std::find(buttons.begin(), buttons.end(), hwnd) != buttons.end(), c.hasButton)
        << c.name;
    DestroyWindow(hwnd);
  }
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, owner);
  EXPECT_FALSE(desktop::HasTaskbarButton(child));
  DestroyWindow(owner);
}

TEST_F(ShellUiTest, TheTaskbarButtonRestoresMinimisesAndOpensTheWindowMenu) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ShowWindow(hwnd, SW_SHOWMINIMIZED);
  ASSERT_TRUE(desktop::ClickTaskbarButton(hwnd));
  Pump();
  EXPECT_FALSE(IsIconic(hwnd));
  EXPECT_EQ(GetActiveWindow(), hwnd);
  ASSERT_TRUE(desktop::ClickTaskbarButton(hwnd));  // the active window: minimised
  Pump();
  EXPECT_TRUE(IsIconic(hwnd));

  headless().ChooseMenuItem("Restore");
  ASSERT_TRUE(desktop::RightClickTaskbarButton(hwnd, POINT{300, 1060}));
  Pump();  // the window menu opens and closes; its choice arrives
  Pump();
  ASSERT_EQ(session().menus().size(), 1u);
  EXPECT_TRUE(session().menus()[0].windowMenu);
  EXPECT_EQ(session().menus()[0].position.y, 1060);
  EXPECT_FALSE(IsIconic(hwnd));
  DestroyWindow(hwnd);
  EXPECT_FALSE(desktop::ClickTaskbarButton(hwnd));
}

struct WorkAreaCase {
  const char* name;
  int screenWidth, screenHeight;
  RECT workArea;
  RECT maximised;
};

// A sizing frame hangs 8 pixels over each edge of the work area.
TEST_F(ShellUiTest, MaximisingFillsTheChosenWorkArea) {
  const WorkAreaCase cases[] = {
      {"no taskbar", 1920, 1080, {0, 0, 1920, 1080}, {-8, -8, 1928, 1088}},
      {"taskbar at the bottom", 1920, 1080, {0, 0, 1920, 1040}, {-8, -8, 1928, 1048}},
      {"taskbar at the top", 1280, 800, {0, 40, 1280, 800}, {-8, 32, 1288, 808}},
      {"taskbar on the left", 1280, 800, {60, 0, 1280, 800}, {52, -8, 1288, 808}},
  };
  for (const WorkAreaCase& c : cases) {
    SCOPED_TRACE(c.name);
    session().SetScreen(c.screenWidth, c.screenHeight, c.workArea);
    HWND hwnd = Create(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE);
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, c.maximised.left);
    EXPECT_EQ(r.top, c.maximised.top);
    EXPECT_EQ(r.right, c.maximised.right);
    EXPECT_EQ(r.bottom, c.maximised.bottom);
    // The normal rectangle is kept relative to the work area.
    WINDOWPLACEMENT wp{};
    GetWindowPlacement(hwnd, &wp);
    EXPECT_EQ(wp.rcNormalPosition.left, 100 - c.workArea.left);
    EXPECT_EQ(wp.rcNormalPosition.top, 100 - c.workArea.top);
    DestroyWindow(hwnd);
  }
}

// A program whose resources hold an icon.
class WindowIconTest : public ShellUiTest {
 protected:
  const desktop::ResourceSet* Resources() override {
    // The program's own icon file: an icon loads only when its file is sound.
    static const std::string bytes = [] {
      std::ifstream file(TESSAL_SOURCE_DIR "/res/icons/tessal.ico", std::ios::binary);
      return std::string(std::istreambuf_iterator<char>(file), {});
    }();
    static const desktop::ResourceSet resources = [] {
      desktop::ResourceSet r = TestResources();
      r.icons.push_back(desktop::FileResource{128, "icons/tessal.ico", bytes});
      return r;
    }();
    return &resources;
  }
};

TEST_F(WindowIconTest, IconsSetAnsweredAndOfferedForDragging) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW);
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128));
  ASSERT_TRUE(icon);
  // Without icons of its own, a window is dragged with the program's first icon.
  EXPECT_EQ(SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0), reinterpret_cast<LRESULT>(icon));
  EXPECT_EQ(SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon)), 0);
  EXPECT_EQ(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
  EXPECT_EQ(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(SendMessageA(hwnd, WM_SETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
  DestroyWindow(hwnd);
}

}  // namespace
