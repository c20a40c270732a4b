// Painting: update regions, BeginPaint's rectangle and clip, the erase
// message's DC, window regions and layered attributes.
#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

namespace {

struct PaintRecord {
  int paints = 0;
  RECT rcPaint{};
  RECT clipBox{};
  HDC eraseDc = nullptr;
  int erases = 0;
};
PaintRecord record;

LRESULT CALLBACK PaintingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    ++record.paints;
    record.rcPaint = ps.rcPaint;
    GetClipBox(hdc, &record.clipBox);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (message == WM_ERASEBKGND) {
    ++record.erases;
    record.eraseDc = reinterpret_cast<HDC>(wParam);
    return 1;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class PaintTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Painting", PaintingProc);
    record = PaintRecord{};
  }
  HWND CreatePopup(DWORD exStyle = 0) {
    return CreateWindowExA(exStyle, "Painting", "", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100,
                           nullptr, nullptr, nullptr, nullptr);
  }
};

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(PaintTest, ShowingErasesWithARealDc) {
  HWND hwnd = CreatePopup();
  ASSERT_TRUE(hwnd);
  EXPECT_GE(record.erases, 1);
  EXPECT_NE(record.eraseDc, nullptr);
  DestroyWindow(hwnd);
}

TEST_F(PaintTest, AnInvalidRectangleIsWhatTheNextPaintGetsAndClipsTo) {
  HWND hwnd = CreatePopup();
  UpdateWindow(hwnd);
  record = PaintRecord{};
  RECT dirty{10, 20, 30, 40};
  InvalidateRect(hwnd, &dirty, FALSE);
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
  EXPECT_TRUE(Same(update, dirty));
  UpdateWindow(hwnd);
  EXPECT_EQ(record.paints, 1);
  EXPECT_EQ(record.erases, 0);
  EXPECT_TRUE(Same(record.rcPaint, dirty));
  EXPECT_TRUE(Same(record.clipBox, dirty));
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
  DestroyWindow(hwnd);
}

TEST_F(PaintTest, TwoInvalidRectanglesPaintOnceWithTheirBounds) {
  HWND hwnd = CreatePopup();
  UpdateWindow(hwnd);
  record = PaintRecord{};
  RECT a{0, 0, 10, 10}, b{50, 50, 60, 70};
  InvalidateRect(hwnd, &a, TRUE);
  InvalidateRect(hwnd, &b, TRUE);
  UpdateWindow(hwnd);
  EXPECT_EQ(record.paints, 1);
  EXPECT_EQ(record.erases, 1);
  EXPECT_TRUE(Same(record.rcPaint, RECT{0, 0, 60, 70}));
  DestroyWindow(hwnd);
}

TEST_F(PaintTest, ValidatingLeavesNothingToPaint) {
  HWND hwnd = CreatePopup();
  UpdateWindow(hwnd);
  record = PaintRecord{};
  InvalidateRect(hwnd, nullptr, FALSE);
  ValidateRect(hwnd, nullptr);
  UpdateWindow(hwnd);
  EXPECT_EQ(record.paints, 0);
  DestroyWindow(hwnd);
}

TEST_F(PaintTest, TheSystemOwnsAWindowRegionAndGivesCopies) {
  DWORD start = LiveGdiObjects();
  HWND hwnd = CreatePopup();
  HRGN region = CreateRectRgn(0, 0, 40, 30);
  ASSERT_TRUE(SetWindowRgn(hwnd, region, TRUE));
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(hwnd, copy), SIMPLEREGION);
  RECT box{};
  GetRgnBox(copy, &box);
  EXPECT_TRUE(Same(box, RECT{0, 0, 40, 30}));
  DeleteObject(copy);
  ASSERT_TRUE(SetWindowRgn(hwnd, CreateRectRgn(0, 0, 10, 10), FALSE));  // the first one goes
  DestroyWindow(hwnd);  // and this one with the window
  EXPECT_EQ(LiveGdiObjects(), start);
}

TEST_F(PaintTest, LayeredAttributesNeedTheLayeredStyle) {
  HWND plain = CreatePopup();
  EXPECT_FALSE(SetLayeredWindowAttributes(plain, RGB(0x5C, 0x5C, 0x5C), 0, LWA_COLORKEY));
  HWND layered = CreatePopup(WS_EX_LAYERED);
  ASSERT_TRUE(SetLayeredWindowAttributes(layered, RGB(0x5C, 0x5C, 0x5C), 0, LWA_COLORKEY));
  COLORREF key = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(layered, &key, nullptr, &flags));
  EXPECT_EQ(key, RGB(0x5C, 0x5C, 0x5C));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  DestroyWindow(plain);
  DestroyWindow(layered);
}

}  // namespace
