// The framework's drawing wrappers: each owns its handle and releases it,
// Attach and Detach hand ownership over, selecting gives back the previous
// object, and the window DCs give their DC back.
#include "fw/afx.h"
#include "tests/support/divergence.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

namespace {

class GdiFwTest : public PlatformTest {
 protected:
  void TearDown() override {
    AfxDeleteTempMaps();
    PlatformTest::TearDown();
  }
};

TEST_F(GdiFwTest, WrappersReleaseWhatTheyHoldWhenDestroyed) {
  DWORD start = LiveGdiObjects();
  {
    CDC screen;
    screen.Attach(GetDC(nullptr));
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 8, 8));
    CBrush brush(RGB(1, 2, 3));
    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(0, 0, 4, 4));
    CBitmap* old = memory.SelectObject(&bitmap);
    ASSERT_TRUE(old);
    memory.FillRect(CRect(0, 0, 8, 8), &brush);
    EXPECT_EQ(memory.GetPixel(7, 7), RGB(1, 2, 3));
    memory.SelectObject(old);  // a selected bitmap could not be deleted
    ReleaseDC(nullptr, screen.Detach());
    if (!WINE_DIVERGES("Wine's GetGuiResources counts no objects")) {
      EXPECT_GT(LiveGdiObjects(), start);
    }
  }
  EXPECT_EQ(LiveGdiObjects(), start);
}

TEST_F(GdiFwTest, DetachHandsTheHandleOverAndAttachTakesOneOnlyWhenEmpty) {
  HBITMAP handle = nullptr;
  {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(2, 2, 1, 32, nullptr));
    handle = static_cast<HBITMAP>(bitmap.Detach());
    EXPECT_EQ(bitmap.m_hObject, nullptr);
  }
  EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BITMAP));  // survived the wrapper
  CBitmap again;
  ASSERT_TRUE(again.Attach(handle));
  HBITMAP other = CreateBitmap(1, 1, 1, 32, nullptr);
  EXPECT_FALSE(again.Attach(other));
  EXPECT_EQ(again.m_hObject, handle);
  DeleteObject(other);
  BITMAP bm{};
  EXPECT_EQ(again.GetBitmap(&bm), static_cast<int>(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 2);
  EXPECT_TRUE(again.DeleteObject());
  EXPECT_EQ(GetObjectType(handle), 0u);
  EXPECT_FALSE(again.DeleteObject());
}

TEST_F(GdiFwTest, SelectingGivesBackThePreviousObjectsWrapper) {
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
  CBitmap first, second;
  first.CreateBitmap(2, 2, 1, 32, nullptr);
  second.CreateBitmap(2, 2, 1, 32, nullptr);
  CBitmap* original = memory.SelectObject(&first);
  ASSERT_TRUE(original);  // a temporary wrapper of the DC's default bitmap
  EXPECT_NE(original, &first);
  EXPECT_EQ(memory.SelectObject(&second), &first);  // the program's own wrapper
  EXPECT_EQ(memory.SelectObject(original), &second);
  EXPECT_EQ(CBitmap::FromHandle(static_cast<HBITMAP>(original->m_hObject)), original);
}

TEST_F(GdiFwTest, RegionsCombineAndAnswer) {
  CRgn a, b, result;
  a.CreateRectRgn(0, 0, 10, 10);
  b.CreateRectRgn(0, 10, 10, 20);
  result.CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(result.CombineRgn(&a, &b, RGN_OR), SIMPLEREGION);
  EXPECT_TRUE(result.PtInRegion(5, 19));
  CRect box;
  EXPECT_EQ(result.GetRgnBox(&box), SIMPLEREGION);
  EXPECT_EQ(box, CRect(0, 0, 10, 20));
  EXPECT_EQ(result.CombineRgn(&a, &b, RGN_AND), NULLREGION);
}

TEST_F(GdiFwTest, FillSolidRectLeavesTheDcsColoursAlone) {
  CDC memory;
  memory.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  bitmap.CreateBitmap(3, 3, 1, 32, nullptr);
  CBitmap* old = memory.SelectObject(&bitmap);
  memory.SetBkColor(RGB(9, 9, 9));
  memory.FillSolidRect(1, 1, 2, 2, RGB(200, 100, 50));
  EXPECT_EQ(memory.GetPixel(2, 2), RGB(200, 100, 50));
  EXPECT_EQ(memory.GetPixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(memory), RGB(9, 9, 9));
  memory.SelectObject(old);
}

int paintsSeen = 0;

LRESULT CALLBACK PaintWithFramework(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    CPaintDC dc(CWnd::FromHandle(hwnd));
    ++paintsSeen;
    dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(10, 20, 30));
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(GdiFwTest, PaintAndWindowDcsGiveTheirDcBack) {
  RegisterTestClass("FwPainting", PaintWithFramework);
  HWND hwnd = CreateWindowExA(0, "FwPainting", "", WS_POPUP | WS_VISIBLE, 10, 10, 50, 40, nullptr,
                              nullptr, nullptr, nullptr);
  ASSERT_TRUE(hwnd);
  DWORD start = LiveGdiObjects();
  paintsSeen = 0;
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  EXPECT_EQ(paintsSeen, 1);
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));  // the paint DC validated
  {
    CClientDC client(CWnd::FromHandle(hwnd));
    CWindowDC window(CWnd::FromHandle(hwnd));
    EXPECT_TRUE(client.GetSafeHdc());
    EXPECT_TRUE(window.GetSafeHdc());
  }
  EXPECT_EQ(LiveGdiObjects(), start);
  DestroyWindow(hwnd);
}

TEST_F(GdiFwTest, APointFontIsSizedForTheScreenAndDrawsText) {
  DWORD start = LiveGdiObjects();
  {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
    LOGFONTA lf{};
    ASSERT_EQ(font.GetLogFont(&lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -12);  // 9 points at 96 DPI
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(lf.lfFaceName, "Arial");

    CClientDC screen(nullptr);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 60, 20));
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 60, 20, RGB(255, 255, 255));
    CFont* oldFont = memory.SelectObject(&font);
    ASSERT_NE(oldFont, nullptr);
    EXPECT_EQ(memory.GetCurrentFont(), &font);  // the owning wrapper
    memory.SetBkMode(TRANSPARENT);
    memory.SetTextColor(RGB(0, 0, 0));
    CSize extent = memory.GetTextExtent("Hi", 2);
    EXPECT_GT(extent.cx, 0);
    EXPECT_GE(extent.cy, 12);
    ASSERT_TRUE(memory.TextOut(2, 2, CString("Hi")));
    int inked = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 60; ++x) inked += memory.GetPixel(x, y) != RGB(255, 255, 255);
    }
    EXPECT_GT(inked, 5);
    memory.SelectObject(oldFont);
    memory.SelectObject(oldBitmap);
  }
  EXPECT_EQ(LiveGdiObjects(), start);
}

}  // namespace
