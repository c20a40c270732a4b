// The mouse: which window a point belongs to, how a move or a press
// arrives (hit test, cursor, activation, client or non-client message),
// the capture, and hover and leave tracking.
#include "tests/support/mouse_window.h"
#include "tests/support/divergence.h"
#include "tests/support/platform_test.h"

namespace {

class MouseTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("MouseWindow", MouseWindowProc);
    MessageLog::Clear();
  }
  void TearDown() override {
    for (HWND hwnd : windows_) DestroyWindow(hwnd);
    ForgetMouseWindowOptions();
    PlatformTest::TearDown();
  }
  HWND Popup(int x, int y, int width, int height, DWORD style = WS_POPUP | WS_VISIBLE) {
    HWND hwnd = CreateWindowExA(0, "MouseWindow", "", style, x, y, width, height, nullptr, nullptr,
                                nullptr, nullptr);
    windows_.push_back(hwnd);
    return hwnd;
  }
  HWND Child(HWND parent, int x, int y, int width, int height, DWORD style = WS_CHILD | WS_VISIBLE) {
    return CreateWindowExA(0, "MouseWindow", "", style, x, y, width, height, parent, nullptr,
                           nullptr, nullptr);
  }
  void Settle() {
    Pump();
    MessageLog::Clear();
  }
  std::vector<HWND> windows_;
};

POINT At(int x, int y) { return POINT{x, y}; }

// Windows notices a leave at the next move; Wine looks for it on a timer
// of the hover time.
constexpr DWORD kLeaveNoticeMs = 600;

TEST_F(MouseTest, WindowFromPointFindsTheTopmostWindowAndItsDeepestVisibleChild) {
  HWND back = Popup(100, 100, 200, 100);
  HWND front = Popup(150, 150, 200, 100);  // created later: above `back`
  HWND child = Child(back, 10, 10, 40, 40);
  HWND grandchild = Child(child, 5, 5, 10, 10);
  HWND hidden = Child(back, 100, 10, 40, 40, WS_CHILD);
  Settle();

  struct Case {
    POINT point;
    HWND expected;
  } cases[] = {
      {At(160, 160), front},       // both windows: the upper one
      {At(105, 105), back},        // back's own client area
      {At(112, 112), child},       // a child of back
      {At(116, 116), grandchild},  // its child
      {At(205, 115), back},        // a hidden child does not count
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowFromPoint(c.point), c.expected) << c.point.x << "," << c.point.y;
  }
  // ChildWindowFromPoint looks at direct children only, hidden ones too,
  // in the parent's client coordinates.
  EXPECT_EQ(ChildWindowFromPoint(back, At(16, 16)), child);
  EXPECT_EQ(ChildWindowFromPoint(back, At(105, 15)), hidden);
  EXPECT_EQ(ChildWindowFromPointEx(back, At(105, 15), CWP_SKIPINVISIBLE), back);
  EXPECT_EQ(ChildWindowFromPoint(back, At(-5, 5)), nullptr);
}

// A layered window that paints its left half in its colour key.
LRESULT CALLBACK HalfKeyedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(hwnd, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  RECT left = client, right = client;
  left.right = right.left = client.right / 2;
  HBRUSH key = CreateSolidBrush(RGB(0x5C, 0x5C, 0x5C));
  HBRUSH solid = CreateSolidBrush(RGB(0x20, 0x40, 0x80));
  FillRect(dc, &left, key);
  FillRect(dc, &right, solid);
  DeleteObject(key);
  DeleteObject(solid);
  EndPaint(hwnd, &ps);
  return 0;
}

TEST_F(MouseTest, KeyColouredPixelsOfALayeredWindowLetTheMouseThroughToTheWindowBelow) {
  HWND below = Popup(100, 100, 200, 100);
  RegisterTestClass("HalfKeyed", HalfKeyedProc);
  HWND layered = CreateWindowExA(WS_EX_LAYERED, "HalfKeyed", "", WS_POPUP, 100, 100, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
  windows_.push_back(layered);
  ASSERT_TRUE(SetLayeredWindowAttributes(layered, RGB(0x5C, 0x5C, 0x5C), 0, LWA_COLORKEY));
  ShowWindow(layered, SW_SHOW);
  UpdateWindow(layered);
  Settle();
  // Wine hit-tests a layered window by its rectangle, key colour or not.
  const bool keyIgnored = WINE_DIVERGES("Wine's hit testing ignores a layered window's colour key");
  if (!keyIgnored) {
    EXPECT_EQ(WindowFromPoint(At(150, 150)), below);  // a key pixel
  }
  EXPECT_EQ(WindowFromPoint(At(250, 150)), layered);  // a painted pixel

  // The painted half first: a click on the window below would raise it.
  user().Click(At(250, 150)).Click(At(150, 150));
  RunUntilUserIsDone();
  if (!keyIgnored) {
    EXPECT_EQ(LoggedOf(below, WM_LBUTTONDOWN).size(), 1u);
  }
}

TEST_F(MouseTest, DefWindowProcHitTestsClientCaptionAndOutside) {
  HWND hwnd = Popup(300, 300, 300, 200, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  Settle();
  RECT window;
  GetWindowRect(hwnd, &window);
  POINT client{0, 0};
  ClientToScreen(hwnd, &client);
  LONG middle = (window.left + window.right) / 2;
  auto hit = [&](LONG x, LONG y) { return SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
  EXPECT_EQ(hit(client.x + 10, client.y + 10), HTCLIENT);
  EXPECT_EQ(hit(middle, client.y - GetSystemMetrics(SM_CYCAPTION) / 2), HTCAPTION);
  EXPECT_EQ(hit(window.right + 5, window.top + 5), HTNOWHERE);
}

TEST_F(MouseTest, MouseMessagesComeThroughTheQueueInClientCoordinatesWithTheHeldButtons) {
  HWND hwnd = Popup(200, 200, 200, 150);
  Settle();
  bool heldWhileDown = false;
  POINT cursor{};
  user()
      .MoveMouse(At(250, 260))
      .MouseDown()
      .Do("", [&] {
        heldWhileDown = GetAsyncKeyState(VK_LBUTTON) < 0;
        GetCursorPos(&cursor);
      })
      .MouseUp()
      .Wait(50);
  std::vector<MSG> taken = RunUntilUserIsDone();

  EXPECT_TRUE(heldWhileDown);
  EXPECT_EQ(cursor.x, 250);
  EXPECT_EQ(cursor.y, 260);
  EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON) & 0x8000, 0);

  auto down = LoggedOf(hwnd, WM_LBUTTONDOWN), up = LoggedOf(hwnd, WM_LBUTTONUP);
  ASSERT_EQ(down.size(), 1u);
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(down[0].lParam, MAKELPARAM(50, 60));
  EXPECT_EQ(down[0].wParam & MK_LBUTTON, static_cast<WPARAM>(MK_LBUTTON));
  EXPECT_EQ(up[0].lParam, MAKELPARAM(50, 60));
  EXPECT_EQ(up[0].wParam & MK_LBUTTON, 0u);
  ASSERT_FALSE(LoggedOf(hwnd, WM_MOUSEMOVE).empty());
  EXPECT_EQ(LoggedOf(hwnd, WM_MOUSEMOVE).back().lParam, MAKELPARAM(50, 60));

  // The press was hit-tested and its cursor asked for before it arrived.
  bool cursorAskedForPress = false;
  for (const LoggedMessage& m : LoggedOf(hwnd, WM_SETCURSOR)) {
    cursorAskedForPress |= LOWORD(m.lParam) == HTCLIENT && HIWORD(m.lParam) == WM_LBUTTONDOWN;
  }
  EXPECT_TRUE(cursorAskedForPress);
  EXPECT_FALSE(LoggedOf(hwnd, WM_NCHITTEST).empty());

  bool queued = false;
  for (const MSG& m : taken) {
    if (m.hwnd == hwnd && m.message == WM_LBUTTONDOWN) {
      queued = true;
      EXPECT_EQ(m.pt.x, 250);
      EXPECT_EQ(m.pt.y, 260);
    }
  }
  EXPECT_TRUE(queued);
}

TEST_F(MouseTest, APressOnTheCaptionArrivesAsANonClientMessageInScreenCoordinates) {
  HWND hwnd = Popup(300, 300, 300, 200, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  Settle();
  RECT window;
  GetWindowRect(hwnd, &window);
  POINT client{0, 0};
  ClientToScreen(hwnd, &client);
  POINT onCaption{(window.left + window.right) / 2, client.y - GetSystemMetrics(SM_CYCAPTION) / 2};
  user().MoveMouse(onCaption).MouseDown().MouseUp().Wait(50);
  RunUntilUserIsDone();

  auto down = LoggedOf(hwnd, WM_NCLBUTTONDOWN);
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(down[0].wParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(down[0].lParam, MAKELPARAM(onCaption.x, onCaption.y));
  EXPECT_FALSE(LoggedOf(hwnd, WM_NCMOUSEMOVE).empty());
  EXPECT_TRUE(LoggedOf(hwnd, WM_LBUTTONDOWN).empty());
}

TEST_F(MouseTest, AClickActivatesAnInactiveWindowUnlessItDeclines) {
  HWND first = Popup(100, 100, 150, 100);
  HWND declining = Popup(300, 100, 150, 100);
  HWND second = Popup(500, 100, 150, 100);
  MouseWindowOptionsFor(declining).mouseActivateAnswer = MA_NOACTIVATEANDEAT;
  Settle();
  ASSERT_EQ(GetActiveWindow(), second);

  user().Click(At(150, 150)).Wait(50);
  RunUntilUserIsDone();
  EXPECT_EQ(GetActiveWindow(), first);
  auto asked = LoggedOf(first, WM_MOUSEACTIVATE);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].wParam, reinterpret_cast<WPARAM>(first));
  EXPECT_EQ(asked[0].lParam, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  auto activated = LoggedOf(first, WM_ACTIVATE);
  ASSERT_FALSE(activated.empty());
  EXPECT_EQ(LOWORD(activated.back().wParam), WA_CLICKACTIVE);
  EXPECT_EQ(LoggedOf(first, WM_LBUTTONDOWN).size(), 1u);

  // A window that declines and eats the press stays inactive and never sees it.
  MessageLog::Clear();
  user().Click(At(350, 150)).Wait(50);
  RunUntilUserIsDone();
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(LoggedOf(declining, WM_MOUSEACTIVATE).size(), 1u);
  EXPECT_TRUE(LoggedOf(declining, WM_LBUTTONDOWN).empty());
}

TEST_F(MouseTest, TheCaptureTakesTheMouseWhereverItIs) {
  HWND left = Popup(100, 400, 150, 100);
  HWND right = Popup(300, 400, 150, 100);
  Settle();
  HWND previous = reinterpret_cast<HWND>(1);
  user()
      .MoveMouse(At(120, 420))
      .Do("", [&] { previous = SetCapture(left); })
      .MoveMouse(At(320, 430))
      .Wait(50);
  RunUntilUserIsDone();
  EXPECT_EQ(previous, nullptr);
  EXPECT_EQ(GetCapture(), left);
  ASSERT_FALSE(LoggedOf(left, WM_MOUSEMOVE).empty());
  EXPECT_EQ(LoggedOf(left, WM_MOUSEMOVE).back().lParam, MAKELPARAM(220, 30));
  EXPECT_TRUE(LoggedOf(right, WM_MOUSEMOVE).empty());

  // Taking the capture away tells the window that had it, and who has it now.
  MessageLog::Clear();
  EXPECT_EQ(SetCapture(right), left);
  auto changed = LoggedOf(left, WM_CAPTURECHANGED);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].lParam, reinterpret_cast<LPARAM>(right));
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), nullptr);
  changed = LoggedOf(right, WM_CAPTURECHANGED);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].lParam, 0);
}

TEST_F(MouseTest, OneHoverAfterTheMouseRestsThenOneLeaveWhenItGoes) {
  HWND tracked = Popup(100, 600, 200, 100);
  HWND other = Popup(400, 600, 200, 100);
  MouseWindowOptionsFor(tracked).trackOnFirstMove = true;
  Settle();
  std::size_t hoversAfterRest = 0, hoversLater = 0;
  user()
      .MoveMouse(At(150, 630))
      .Wait(700)
      .Do("", [&] { hoversAfterRest = LoggedOf(tracked, WM_MOUSEHOVER).size(); })
      .Wait(700)
      .Do("", [&] { hoversLater = LoggedOf(tracked, WM_MOUSEHOVER).size(); })
      .MoveMouse(At(450, 630))
      .Wait(kLeaveNoticeMs);
  RunUntilUserIsDone();

  EXPECT_EQ(hoversAfterRest, 1u);
  EXPECT_EQ(hoversLater, 1u);  // answered: no more until asked again
  auto hover = LoggedOf(tracked, WM_MOUSEHOVER);
  ASSERT_EQ(hover.size(), 1u);
  EXPECT_EQ(hover[0].lParam, MAKELPARAM(50, 30));
  EXPECT_EQ(LoggedOf(tracked, WM_MOUSELEAVE).size(), 1u);
  EXPECT_TRUE(LoggedOf(other, WM_MOUSELEAVE).empty());
  UINT hoverTime = 0;
  EXPECT_TRUE(SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &hoverTime, 0));
  EXPECT_EQ(hoverTime, 400u);
}

TEST_F(MouseTest, ACancelledRequestSendsNothing) {
  HWND hwnd = Popup(100, 750, 200, 100);
  Settle();
  TRACKMOUSEEVENT query{sizeof(TRACKMOUSEEVENT), TME_QUERY, nullptr, 0};
  user()
      .MoveMouse(At(150, 780))
      .Wait(50)
      .Do("",
          [&] {
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, hwnd, HOVER_DEFAULT};
            TrackMouseEvent(&track);
            track.dwFlags = TME_CANCEL | TME_HOVER | TME_LEAVE;
            TrackMouseEvent(&track);
            TrackMouseEvent(&query);
          })
      .Wait(600)
      .MoveMouse(At(600, 780))
      .Wait(100);
  RunUntilUserIsDone();
  EXPECT_EQ(query.dwFlags & (TME_HOVER | TME_LEAVE), 0u);
  EXPECT_TRUE(LoggedOf(hwnd, WM_MOUSEHOVER).empty());
  EXPECT_TRUE(LoggedOf(hwnd, WM_MOUSELEAVE).empty());
}

}  // namespace
