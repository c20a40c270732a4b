// Drawing on the headless desktop: windows' pixels, the composed screen
// with window regions and layered colour keys, PNG pictures, and what only
// the desktop checks.
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/desktop/bitmap_file.h"
#include "platform/desktop/screen.h"
#include "tests/support/bmp_file.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

namespace {

constexpr COLORREF kKey = RGB(0x5C, 0x5C, 0x5C);
constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);

class GdiHeadlessTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Plain", DefWindowProcA);
  }
  HWND Create(DWORD style, DWORD exStyle, RECT r, HWND parent = nullptr) {
    return CreateWindowExA(exStyle, "Plain", "", style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, nullptr, nullptr);
  }
  static void Fill(HWND hwnd, RECT r, COLORREF colour) {
    HDC dc = GetDC(hwnd);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, dc);
  }
};

TEST_F(GdiHeadlessTest, AChildDrawsIntoItsTopLevelWindowClippedToTheParent) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 0, {100, 100, 200, 160});
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, {80, 10, 140, 30}, top);  // sticks out right
  Fill(top, {0, 0, 100, 60}, kBlue);
  Fill(child, {0, 0, 60, 20}, kRed);
  EXPECT_EQ(desktop::ScreenPixel(100 + 80, 100 + 10), kRed);
  EXPECT_EQ(desktop::ScreenPixel(100 + 99, 100 + 29), kRed);
  EXPECT_EQ(desktop::ScreenPixel(100 + 79, 100 + 10), kBlue);
  EXPECT_EQ(desktop::ScreenPixel(100 + 100, 100 + 10), RGB(58, 110, 165));  // the desktop
  HDC dc = GetDC(child);
  EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
  EXPECT_EQ(GetPixel(dc, 25, 0), CLR_INVALID);  // outside the parent: not the child's
  ReleaseDC(child, dc);
  DestroyWindow(top);
}

TEST_F(GdiHeadlessTest, TheScreenShowsLayeredKeysAndRegionsAsHoles) {
  DWORD start = LiveGdiObjects();
  HWND below = Create(WS_POPUP | WS_VISIBLE, 0, {0, 0, 300, 200});
  Fill(below, {0, 0, 300, 200}, kBlue);
  HWND shaped = Create(WS_POPUP | WS_VISIBLE, WS_EX_LAYERED, {50, 50, 250, 150});
  ASSERT_TRUE(SetLayeredWindowAttributes(shaped, kKey, 0, LWA_COLORKEY));
  Fill(shaped, {0, 0, 200, 100}, kGreen);
  Fill(shaped, {20, 20, 60, 60}, kKey);  // see-through by the key
  HRGN region = CreateRectRgn(0, 0, 200, 100);
  HRGN corner = CreateRectRgn(150, 0, 200, 50);
  CombineRgn(region, region, corner, RGN_DIFF);
  DeleteObject(corner);
  ASSERT_TRUE(SetWindowRgn(shaped, region, TRUE));

  EXPECT_EQ(desktop::ScreenPixel(50 + 10, 50 + 10), kGreen);
  EXPECT_EQ(desktop::ScreenPixel(50 + 30, 50 + 30), kBlue);   // the key shows what is below
  EXPECT_EQ(desktop::ScreenPixel(50 + 160, 50 + 10), kBlue);  // outside the region
  EXPECT_EQ(desktop::ScreenPixel(50 + 160, 50 + 60), kGreen);
  EXPECT_TRUE(desktop::WindowRegionContains(shaped, POINT{50 + 160, 50 + 60}));
  EXPECT_FALSE(desktop::WindowRegionContains(shaped, POINT{50 + 160, 50 + 10}));
  EXPECT_TRUE(desktop::WindowRegionContains(below, POINT{5, 5}));  // no region: all of it

  std::string path = ::testing::TempDir() + "tessal_screen_layered.png";
  ASSERT_TRUE(desktop::WriteScreenPng(path));
  std::ifstream png(path, std::ios::binary);
  std::string signature(8, '\0');
  png.read(signature.data(), 8);
  EXPECT_EQ(signature, std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_TRUE(desktop::WriteWindowPng(shaped, ::testing::TempDir() + "tessal_window.png"));
  EXPECT_FALSE(desktop::WriteScreenPng("/nonexistent-folder/screen.png"));

  DestroyWindow(shaped);
  DestroyWindow(below);
  EXPECT_EQ(LiveGdiObjects(), start);
  EXPECT_EQ(desktop::LiveGdiObjects(desktop::GdiKind::Region), 0);
}

TEST_F(GdiHeadlessTest, ExtCreateRegionRefusesACountThatWouldReadPastTheData) {
  std::vector<DWORD> data(8 + 4, 0);
  auto* header = reinterpret_cast<RGNDATA*>(data.data());
  header->rdh.dwSize = sizeof(RGNDATAHEADER);
  header->rdh.iType = RDH_RECTANGLES;
  header->rdh.nCount = 2;  // room for one
  EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size() * 4), header), nullptr);
}

TEST_F(GdiHeadlessTest, PaintingDrawsOnlyTheUpdateRegion) {
  HWND hwnd = Create(WS_POPUP | WS_VISIBLE, 0, {0, 0, 40, 40});
  UpdateWindow(hwnd);
  Fill(hwnd, {0, 0, 40, 40}, kBlue);
  RECT dirty{10, 10, 20, 20};
  InvalidateRect(hwnd, &dirty, FALSE);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  HBRUSH brush = CreateSolidBrush(kRed);
  RECT all{0, 0, 40, 40};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  EndPaint(hwnd, &ps);
  EXPECT_EQ(desktop::ScreenPixel(10, 10), kRed);
  EXPECT_EQ(desktop::ScreenPixel(9, 10), kBlue);
  EXPECT_EQ(desktop::ScreenPixel(20, 19), kBlue);
  DestroyWindow(hwnd);
}

struct BadFileCase {
  const char* name;
  std::size_t at;  // byte to change, or past the end: cut the file there instead
  char value;
};

class BitmapFileTest : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(BitmapFileTest, MalformedFilesGiveNothing) {
  std::string file = BmpFile(3, 2, 8, {0, 1, 0, 1, 0, 1}, {0xFFFFFF, 0x000000});
  ASSERT_TRUE(desktop::ReadBitmapFile(file));
  const BadFileCase& c = GetParam();
  if (c.at < file.size()) {
    file[c.at] = c.value;
  } else {
    file.resize(c.at - 1000);
  }
  EXPECT_FALSE(desktop::ReadBitmapFile(file));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BitmapFileTest,
    ::testing::Values(BadFileCase{"NotBm", 0, 'X'}, BadFileCase{"ZeroWidth", 18, 0},
                      BadFileCase{"HugeHeight", 25, 0x7F}, BadFileCase{"TwoPlanes", 26, 2},
                      BadFileCase{"Compressed", 30, 1}, BadFileCase{"SixteenBits", 28, 16},
                      BadFileCase{"PixelsPastTheEnd", 10, 0x70},
                      BadFileCase{"IndexPastThePalette", 62, 5},
                      BadFileCase{"TruncatedRows", 1000 + 64, 0},
                      BadFileCase{"TruncatedHeader", 1000 + 20, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
