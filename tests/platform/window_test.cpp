// Windows: creation and destruction messages, relations, geometry and show states.
#include "tests/support/divergence.h"
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

class WindowTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Recorder", RecordingWindowProc);
    MessageLog::Clear();
  }
  HWND Create(DWORD style, DWORD exStyle = 0, HWND parent = nullptr, RECT r = {100, 100, 500, 400}) {
    return CreateWindowExA(exStyle, "Recorder", "title", style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, nullptr, nullptr);
  }
};

TEST_F(WindowTest, CreatingAVisibleTopLevelWindowSendsWindowsOrder) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(hwnd);
  EXPECT_TRUE(SameSequence(
      {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SHOWWINDOW,
       WM_WINDOWPOSCHANGING, WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_NCPAINT,
       WM_ERASEBKGND, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE},
      MessageLog::For(hwnd)));
  EXPECT_EQ(GetActiveWindow(), hwnd);
  EXPECT_EQ(GetFocus(), hwnd);
  DestroyWindow(hwnd);
}

TEST_F(WindowTest, CreatingAHiddenChildSendsNoShowMessages) {
  HWND parent = Create(WS_POPUP);
  MessageLog::Clear();
  HWND child = Create(WS_CHILD, 0, parent, {5, 5, 50, 50});
  EXPECT_TRUE(SameSequence({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE},
                           MessageLog::For(child)));
  EXPECT_EQ(GetParent(child), parent);
  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(child));
}

TEST_F(WindowTest, DestroyingSendsDestroyParentFirstAndNcDestroyChildFirst) {
  HWND parent = Create(WS_POPUP | WS_VISIBLE);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, parent, {0, 0, 10, 10});
  MessageLog::Clear();
  ASSERT_TRUE(DestroyWindow(parent));
  std::vector<std::pair<HWND, UINT>> teardown;
  for (const LoggedMessage& m : MessageLog::Entries()) {
    if (m.message == WM_DESTROY || m.message == WM_NCDESTROY) teardown.push_back({m.hwnd, m.message});
  }
  std::vector<std::pair<HWND, UINT>> expected = {
      {parent, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {parent, WM_NCDESTROY}};
  EXPECT_EQ(teardown, expected);
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_FALSE(DestroyWindow(parent));
  if (!WINE_DIVERGES("Wine reports ERROR_ACCESS_DENIED for a handle of a window that is gone")) {
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  }
}

TEST_F(WindowTest, OwnedWindowsHaveTheirOwnerAsParentAndGoWithIt) {
  HWND owner = Create(WS_POPUP | WS_VISIBLE);
  HWND child = Create(WS_CHILD, 0, owner, {0, 0, 10, 10});
  HWND owned = Create(WS_POPUP | WS_VISIBLE, 0, child);  // the owner is the child's top-level window
  EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
  EXPECT_EQ(GetParent(owned), owner);
  EXPECT_FALSE(IsChild(owner, owned));
  EXPECT_TRUE(IsChild(owner, child));
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(owned));
}

enum class Frame { kNone, kBorder, kDialog, kSizing };

struct FrameCase {
  const char* name;
  DWORD style;
  DWORD exStyle;
  Frame frame;
  bool caption;
};

int FrameWidth(Frame frame) {
  switch (frame) {
    case Frame::kBorder: return GetSystemMetrics(SM_CXBORDER);
    case Frame::kDialog: return GetSystemMetrics(SM_CXDLGFRAME);
    case Frame::kSizing: return GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
    default: return 0;
  }
}

class FrameTest : public WindowTest, public ::testing::WithParamInterface<FrameCase> {};

// The default non-client area is the frame and caption the system metrics give.
TEST_P(FrameTest, ClientAreaFollowsTheStyle) {
  const FrameCase& c = GetParam();
  HWND hwnd = Create(c.style, c.exStyle);
  ASSERT_TRUE(hwnd);
  int frame = FrameWidth(c.frame);
  int caption = c.caption ? GetSystemMetrics(SM_CYCAPTION) : 0;
  RECT window, client;
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  EXPECT_EQ(window.left, 100);
  EXPECT_EQ(window.right - window.left, 400);
  EXPECT_EQ(client.right, 400 - 2 * frame);
  EXPECT_EQ(client.bottom, 300 - 2 * frame - caption);
  EXPECT_EQ(origin.x, 100 + frame);
  EXPECT_EQ(origin.y, 100 + frame + caption);
  DestroyWindow(hwnd);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FrameTest,
    ::testing::Values(FrameCase{"popup", WS_POPUP, 0, Frame::kNone, false},
                      FrameCase{"border", WS_POPUP | WS_BORDER, 0, Frame::kBorder, false},
                      FrameCase{"dialog", WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, Frame::kDialog, true},
                      FrameCase{"sizing", WS_OVERLAPPEDWINDOW, 0, Frame::kSizing, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, MinimiseMaximiseAndRestoreKeepTheNormalRectangle) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  EXPECT_TRUE(ShowWindow(hwnd, SW_SHOWMAXIMIZED));  // was visible
  EXPECT_TRUE(IsZoomed(hwnd));
  RECT r, work;
  GetWindowRect(hwnd, &r);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  // The work area with the sizing frame hanging over each edge.
  int frame = GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
  EXPECT_EQ(r.left, work.left - frame);
  EXPECT_EQ(r.top, work.top - frame);
  EXPECT_EQ(r.right, work.right + frame);
  EXPECT_EQ(r.bottom, work.bottom + frame);
  ShowWindow(hwnd, SW_SHOWMINIMIZED);
  EXPECT_TRUE(IsIconic(hwnd));
  EXPECT_FALSE(IsZoomed(hwnd));
  ShowWindow(hwnd, SW_RESTORE);  // back to where it was minimised from: maximised
  EXPECT_FALSE(IsIconic(hwnd));
  EXPECT_TRUE(IsZoomed(hwnd));
  ShowWindow(hwnd, SW_RESTORE);
  GetWindowRect(hwnd, &r);
  EXPECT_FALSE(IsZoomed(hwnd));
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.bottom, 400);
  EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
  EXPECT_FALSE(ShowWindow(hwnd, SW_HIDE));  // already hidden
  DestroyWindow(hwnd);
}

TEST_F(WindowTest, SetWindowPosMovesAndSizesWithMoveAndSizeMessages) {
  HWND hwnd = Create(WS_POPUP | WS_VISIBLE);
  MessageLog::Clear();
  SetWindowPos(hwnd, nullptr, 0, 0, 1008, 601, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(SameSequence({WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_NCPAINT, WM_ERASEBKGND,
                            WM_WINDOWPOSCHANGED, WM_SIZE},
                           MessageLog::For(hwnd)));
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.right - r.left, 1008);
  MessageLog::Clear();
  MoveWindow(hwnd, 10, 20, 1008, 601, TRUE);
  EXPECT_TRUE(SameSequence({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE},
                           MessageLog::For(hwnd)));  // moved only: no new client area
  DestroyWindow(hwnd);
}

TEST_F(WindowTest, StylesTextAndEnabling) {
  HWND hwnd = Create(WS_POPUP | WS_VISIBLE);
  LONG ex = GetWindowLongA(hwnd, GWL_EXSTYLE);
  SetWindowLongA(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);

  EXPECT_TRUE(SetWindowTextA(hwnd, "是否要关闭游戏"));
  char text[64];
  EXPECT_EQ(GetWindowTextA(hwnd, text, sizeof text), 14);  // code page 936: two bytes each
  EXPECT_STREQ(text, "是否要关闭游戏");
  EXPECT_EQ(GetWindowTextA(hwnd, text, 5), 4);  // cut to fit the buffer

  MessageLog::Clear();
  ASSERT_EQ(GetFocus(), hwnd);
  EXPECT_FALSE(EnableWindow(hwnd, FALSE));  // was enabled
  EXPECT_EQ(GetFocus(), nullptr);           // a disabled window loses the focus
  EXPECT_TRUE(EnableWindow(hwnd, TRUE));    // was disabled
  EXPECT_TRUE(SameSequence({WM_CANCELMODE, WM_KILLFOCUS, WM_ENABLE, WM_ENABLE},
                           MessageLog::For(hwnd)));
  DestroyWindow(hwnd);
}

}  // namespace
