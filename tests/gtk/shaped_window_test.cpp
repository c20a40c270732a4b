// A layered, region-shaped window on a real X server: the screen shows its
// own pixels, key-coloured pixels and the part outside its region are holes
// (for drawing and for the mouse), and a click on its pixels reaches it.
#include "tests/gtk/display_test.h"

#include <vector>

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kBody = RGB(20, 60, 200);
constexpr RECT kPlace{100, 100, 300, 220};  // 200 x 120 on the screen
constexpr RECT kRegion{0, 0, 200, 100};       // the last 20 rows are cut off
constexpr RECT kHole{20, 20, 60, 60};         // key-coloured

std::vector<POINT> g_clicks;  // client points of WM_LBUTTONDOWN

LRESULT CALLBACK ShapedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      HBRUSH body = CreateSolidBrush(kBody);
      HBRUSH key = CreateSolidBrush(kKey);
      RECT all{0, 0, 200, 120};
      FillRect(dc, &all, body);
      FillRect(dc, &kHole, key);
      DeleteObject(body);
      DeleteObject(key);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
      g_clicks.push_back(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

class ShapedWindowTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    g_clicks.clear();
    WNDCLASSA cls{};
    cls.lpfnWndProc = ShapedProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "ShapedTestWindow";
    RegisterClassA(&cls);
    window_ = CreateWindowExA(WS_EX_LAYERED, "ShapedTestWindow", "Shaped", WS_POPUP, kPlace.left,
                              kPlace.top, 200, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    SetLayeredWindowAttributes(window_, kKey, 255, LWA_COLORKEY);
    SetWindowRgn(window_, CreateRectRgnIndirect(&kRegion), FALSE);
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
  }
  void TearDown() override {
    DestroyWindow(window_);
    UnregisterClassA("ShapedTestWindow", GetModuleHandleA(nullptr));
    DisplayTest::TearDown();
  }
  static COLORREF At(int x, int y) { return ScreenPixel(kPlace.left + x, kPlace.top + y); }
  HWND window_ = nullptr;
};

TEST_F(ShapedWindowTest, TheScreenShowsItsPixelsWithKeyAndRegionHoles) {
  ASSERT_TRUE(PumpUntil([] { return At(100, 10) == kBody; })) << "the window never showed";
  SaveScreen("shaped-window.png");
  EXPECT_EQ(At(0, 0), kBody);
  EXPECT_EQ(At(199, 99), kBody);
  EXPECT_EQ(At(19, 40), kBody);  // next to the hole
  // The X server's background shows through the key-coloured square and
  // below the region; the key colour itself never reaches the screen.
  COLORREF background = ScreenPixel(kPlace.left + 400, kPlace.top);
  EXPECT_EQ(At(40, 40), background);
  EXPECT_EQ(At(20, 20), background);
  EXPECT_EQ(At(100, 110), background);
  EXPECT_NE(At(40, 40), kKey);
}

TEST_F(ShapedWindowTest, ClicksInTheHolesPassThroughAndOnThePixelsArrive) {
  ASSERT_TRUE(PumpUntil([] { return At(100, 10) == kBody; }));
  ClickScreen(kPlace.left + 40, kPlace.top + 40);   // key hole
  ClickScreen(kPlace.left + 100, kPlace.top + 110);  // outside the region
  ClickScreen(kPlace.left + 150, kPlace.top + 50);   // the window's pixels
  ASSERT_TRUE(PumpUntil([] { return !g_clicks.empty(); })) << "no click arrived";
  PumpUntil([] { return false; }, 300);  // anything else that may still come
  ASSERT_EQ(g_clicks.size(), 1u);
  EXPECT_EQ(g_clicks[0].x, 150);
  EXPECT_EQ(g_clicks[0].y, 50);
}

TEST_F(ShapedWindowTest, TheScreenFollowsMovesAndHiding) {
  ASSERT_TRUE(PumpUntil([] { return At(100, 10) == kBody; }));
  SetWindowPos(window_, nullptr, kPlace.left + 300, kPlace.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(PumpUntil([] { return ScreenPixel(kPlace.left + 400, kPlace.top + 10) == kBody; }));
  EXPECT_NE(At(100, 10), kBody);
  ShowWindow(window_, SW_HIDE);
  EXPECT_TRUE(PumpUntil([] { return ScreenPixel(kPlace.left + 400, kPlace.top + 10) != kBody; }));
}

TEST_F(ShapedWindowTest, WhatTheWindowDrawsLaterReachesTheScreen) {
  ASSERT_TRUE(PumpUntil([] { return At(100, 10) == kBody; })) << "the window never showed";
  // The program draws outside WM_PAINT: the screen follows, a hole appears
  // where the key colour now is, and the rest stays as it was.
  constexpr COLORREF kLater = RGB(200, 150, 30);
  HDC dc = GetDC(window_);
  HBRUSH later = CreateSolidBrush(kLater);
  HBRUSH key = CreateSolidBrush(kKey);
  RECT stripe{100, 0, 140, 100};
  RECT hole{150, 20, 170, 40};
  FillRect(dc, &stripe, later);
  FillRect(dc, &hole, key);
  DeleteObject(later);
  DeleteObject(key);
  ReleaseDC(window_, dc);
  EXPECT_TRUE(PumpUntil([] { return At(120, 50) == kLater; })) << "the new pixels never showed";
  COLORREF background = ScreenPixel(kPlace.left + 400, kPlace.top);
  EXPECT_TRUE(PumpUntil([&] { return At(160, 30) == background; })) << "the new hole never opened";
  EXPECT_EQ(At(180, 50), kBody);
}

}  // namespace
