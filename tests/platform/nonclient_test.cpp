// The non-client area as the system handles it: DefWindowProc's hit test
// over caption, icon, caption buttons and sizing edges; WM_NCCALCSIZE in
// its plain and its valid-rectangles form answered by the window; the move
// and size loops a press on the caption or an edge starts.
#include <algorithm>

#include "tests/support/mouse_window.h"
#include "tests/support/platform_test.h"

namespace {

constexpr DWORD kFramedStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

// A window that lays out its own client area: `inset` pixels inside the
// proposed rectangle on every side, whichever form the question takes.
constexpr int kInset = 7;
LRESULT CALLBACK OwnFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageLog::Entries().push_back({hwnd, message, wParam, lParam});
  if (message == WM_NCCALCSIZE) {
    RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                     : reinterpret_cast<RECT*>(lParam);
    *r = RECT{r->left + kInset, r->top + kInset, r->right - kInset, r->bottom - kInset};
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class NonClientTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("NonClientRecorder", RecordingWindowProc);
    RegisterTestClass("OwnFrame", OwnFrameProc);
  }
  void TearDown() override {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    PlatformTest::TearDown();
  }
  HWND Framed(const char* cls, int x, int y, int width, int height, DWORD style = kFramedStyle) {
    hwnd_ = CreateWindowExA(0, cls, "Framed", style, x, y, width, height, nullptr, nullptr, nullptr,
                            nullptr);
    Pump();
    MessageLog::Clear();
    return hwnd_;
  }
  RECT WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
  }
  // The user presses at `grip`, drags through a small step to `grip + by`
  // and releases there.
  void Drag(POINT grip, POINT by) {
    user()
        .MoveMouse(grip)
        .MouseDown()
        .MoveMouse(POINT{grip.x + 10, grip.y + 5})
        .MoveMouse(POINT{grip.x + by.x, grip.y + by.y})
        .MouseUp()
        .Wait(100);
    RunUntilUserIsDone();
  }
  HWND hwnd_ = nullptr;
};

TEST_F(NonClientTest, DefWindowProcNamesEachPartOfTheFrame) {
  HWND hwnd = Framed("NonClientRecorder", 200, 200, 400, 300);
  RECT w = WindowRect();
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  int captionY = origin.y - GetSystemMetrics(SM_CYCAPTION) / 2;
  int frame = origin.x - w.left;
  int button = GetSystemMetrics(SM_CXSIZE);
  struct Case {
    const char* where;
    LONG x, y;
    LRESULT code;
  } cases[] = {
      {"client", origin.x + 20, origin.y + 20, HTCLIENT},
      {"caption", (w.left + w.right) / 2, captionY, HTCAPTION},
      {"icon", origin.x + 3, captionY, HTSYSMENU},
      {"close", w.right - frame - button / 2, captionY, HTCLOSE},
      {"maximise", w.right - frame - button - button / 2, captionY, HTMAXBUTTON},
      {"minimise", w.right - frame - 2 * button - button / 2, captionY, HTMINBUTTON},
      {"left edge", w.left + 1, (w.top + w.bottom) / 2, HTLEFT},
      {"right edge", w.right - 2, (w.top + w.bottom) / 2, HTRIGHT},
      {"bottom edge", (w.left + w.right) / 2, w.bottom - 2, HTBOTTOM},
      {"top edge", (w.left + w.right) / 2, w.top + 1, HTTOP},
      {"bottom-right corner", w.right - 1, w.bottom - 1, HTBOTTOMRIGHT},
      {"top-left corner", w.left, w.top, HTTOPLEFT},
      {"outside", w.right + 5, w.top + 5, HTNOWHERE},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(c.x, c.y)), c.code) << c.where;
  }
}

TEST_F(NonClientTest, AWindowWithoutMaximiseOrMinimiseBoxHasOnlyTheCloseButton) {
  HWND hwnd = Framed("NonClientRecorder", 200, 200, 400, 300,
                     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE);
  RECT w = WindowRect();
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  int captionY = origin.y - GetSystemMetrics(SM_CYCAPTION) / 2;
  int frame = origin.x - w.left;
  int button = GetSystemMetrics(SM_CXSIZE);
  EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(w.right - frame - button / 2, captionY)),
            HTCLOSE);
  EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0,
                         MAKELPARAM(w.right - frame - button - button / 2, captionY)),
            HTCAPTION);
}

TEST_F(NonClientTest, TheWindowsOwnCalculationDecidesTheClientAreaInBothForms) {
  HWND hwnd = Framed("OwnFrame", 100, 100, 300, 200);
  // At creation (plain form) the window's answer is the client area.
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 300 - 2 * kInset);
  EXPECT_EQ(client.bottom, 200 - 2 * kInset);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  EXPECT_EQ(origin.x, 100 + kInset);
  EXPECT_EQ(origin.y, 100 + kInset);

  // A change of size asks with the valid-rectangles form: the proposed
  // rectangle first, then the old window and client rectangles.
  SetWindowPos(hwnd, nullptr, 50, 60, 400, 250, SWP_NOZORDER | SWP_NOACTIVATE);
  bool askedWithValidRects = false;
  for (const LoggedMessage& m : MessageLog::Entries()) {
    if (m.hwnd == hwnd && m.message == WM_NCCALCSIZE && m.wParam) askedWithValidRects = true;
  }
  EXPECT_TRUE(askedWithValidRects);
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 400 - 2 * kInset);
  EXPECT_EQ(client.bottom, 250 - 2 * kInset);
  origin = POINT{0, 0};
  ClientToScreen(hwnd, &origin);
  EXPECT_EQ(origin.x, 50 + kInset);
  EXPECT_EQ(origin.y, 60 + kInset);
}

TEST_F(NonClientTest, APressOnTheCaptionMovesTheWindowWithTheMouseUntilRelease) {
  HWND hwnd = Framed("NonClientRecorder", 300, 300, 400, 300);
  RECT before = WindowRect();
  POINT grip{(before.left + before.right) / 2, before.top + 15};
  ASSERT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTCAPTION);
  MessageLog::Clear();
  Drag(grip, POINT{40, 25});

  RECT after = WindowRect();
  EXPECT_EQ(after.left, before.left + 40);
  EXPECT_EQ(after.top, before.top + 25);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  std::vector<UINT> seen = MessageLog::For(hwnd);
  auto count = [&](UINT m) { return std::count(seen.begin(), seen.end(), m); };
  auto syscommand = LoggedOf(hwnd, WM_SYSCOMMAND);
  ASSERT_EQ(syscommand.size(), 1u);
  EXPECT_EQ(syscommand[0].wParam, static_cast<WPARAM>(SC_MOVE | HTCAPTION));
  EXPECT_EQ(count(WM_ENTERSIZEMOVE), 1);
  EXPECT_EQ(count(WM_EXITSIZEMOVE), 1);
  EXPECT_GE(count(WM_MOVING), 1);
  EXPECT_GE(count(WM_MOVE), 1);
  // The loop's own release reaches nobody.
  EXPECT_EQ(count(WM_NCLBUTTONUP), 0);
  EXPECT_EQ(count(WM_LBUTTONUP), 0);
  auto enter = std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_ENTERSIZEMOVE));
  auto moving = std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_MOVING));
  auto exit = std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_EXITSIZEMOVE));
  EXPECT_TRUE(enter < moving && moving < exit);
  EXPECT_EQ(GetCapture(), nullptr);
}

// A window that starts a drag from its client area itself, posting the
// caption press with the point in client coordinates, as shaped windows do.
LRESULT CALLBACK DragByClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    PostMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, lParam);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(NonClientTest, AMoveStartedFromTheClientAreaFollowsTheMouseFromTheCursor) {
  RegisterTestClass("DragByClient", DragByClientProc);
  Framed("DragByClient", 300, 300, 400, 300, WS_POPUP | WS_VISIBLE);
  RECT before = WindowRect();
  POINT grip{before.left + 200, before.top + 150};
  Drag(grip, POINT{30, 20});
  RECT after = WindowRect();
  EXPECT_EQ(after.left, before.left + 30);
  EXPECT_EQ(after.top, before.top + 20);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NonClientTest, APressOnAnEdgeSizesTheWindowFromThatEdge) {
  HWND hwnd = Framed("NonClientRecorder", 300, 300, 400, 300);
  RECT before = WindowRect();
  POINT grip{before.right - 2, (before.top + before.bottom) / 2};
  ASSERT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTRIGHT);
  MessageLog::Clear();
  user().MoveMouse(grip).MouseDown().MoveMouse(POINT{grip.x + 60, grip.y + 30}).MouseUp().Wait(100);
  RunUntilUserIsDone();

  RECT after = WindowRect();
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right, before.right + 60);
  EXPECT_EQ(after.bottom, before.bottom);
  auto sizing = LoggedOf(hwnd, WM_SIZING);
  ASSERT_FALSE(sizing.empty());
  EXPECT_EQ(sizing[0].wParam, static_cast<WPARAM>(WMSZ_RIGHT));
  auto syscommand = LoggedOf(hwnd, WM_SYSCOMMAND);
  ASSERT_EQ(syscommand.size(), 1u);
  EXPECT_EQ(syscommand[0].wParam & 0xFFF0, static_cast<WPARAM>(SC_SIZE));
  auto size = LoggedOf(hwnd, WM_SIZE);
  ASSERT_FALSE(size.empty());
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(LOWORD(size.back().lParam), client.right);
  EXPECT_EQ(LoggedOf(hwnd, WM_EXITSIZEMOVE).size(), 1u);
}

}  // namespace
