// Pixels and blits on memory DCs: format conversion, stretching, the
// transparent copy, brushes and clipping. Pixels are read back from DIB
// sections (0x00RRGGBB words, top row first).
#include <vector>

#include "tests/support/dib_dc.h"
#include "tests/support/divergence.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

namespace {

using GdiBlitTest = PlatformTest;

TEST_F(GdiBlitTest, ColourToMonochromeMakesTheSourceBackgroundWhite) {
  DibDc source(3, 1, {0xFFFFFF, 0xFF0000, 0x00FF00});
  SetBkColor(source.dc(), RGB(0, 255, 0));
  HDC mono = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(3, 1, 1, 1, nullptr);
  HGDIOBJ old = SelectObject(mono, bitmap);
  ASSERT_TRUE(BitBlt(mono, 0, 0, 3, 1, source.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(mono, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(mono, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(mono, 2, 0), RGB(255, 255, 255));
  SelectObject(mono, old);
  DeleteObject(bitmap);
  DeleteDC(mono);
}

TEST_F(GdiBlitTest, MonochromeToColourTakesTheTargetsTextAndBackgroundColours) {
  const BYTE rows[2] = {0x80, 0x00};  // white, black (one 16-bit word a row)
  HBITMAP bitmap = CreateBitmap(2, 1, 1, 1, rows);
  HDC mono = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mono, bitmap);
  DibDc target(2, 1);
  SetTextColor(target.dc(), RGB(255, 0, 0));
  SetBkColor(target.dc(), RGB(0, 0, 255));
  ASSERT_TRUE(BitBlt(target.dc(), 0, 0, 2, 1, mono, 0, 0, SRCCOPY));
  EXPECT_EQ(target.Row(0), (std::vector<DWORD>{0x0000FF, 0xFF0000}));
  SelectObject(mono, old);
  DeleteObject(bitmap);
  DeleteDC(mono);
}

struct StretchCase {
  const char* name;
  int sourceWidth;
  int targetWidth;
  std::vector<DWORD> source;
  std::vector<DWORD> expected;
};

class StretchTest : public PlatformTest, public ::testing::WithParamInterface<StretchCase> {};

// The default stretch mode repeats pixels when stretching and ANDs the
// eliminated ones into the kept ones when shrinking.
TEST_P(StretchTest, DefaultModeRepeatsOrAnds) {
  const StretchCase& c = GetParam();
  DibDc source(c.sourceWidth, 1, c.source);
  DibDc target(c.targetWidth, 1);
  EXPECT_EQ(GetStretchBltMode(target.dc()), BLACKONWHITE);
  ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, c.targetWidth, 1, source.dc(), 0, 0, c.sourceWidth, 1,
                         SRCCOPY));
  EXPECT_EQ(target.Row(0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StretchTest,
    ::testing::Values(
        StretchCase{"Double", 2, 4, {0x112233, 0x445566}, {0x112233, 0x112233, 0x445566, 0x445566}},
        StretchCase{"Halve", 4, 2, {0xFF00FF, 0x00FFFF, 0xF0F0F0, 0x0F0FFF}, {0x0000FF, 0x0000F0}},
        StretchCase{"Same", 2, 2, {0x010203, 0x040506}, {0x010203, 0x040506}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiBlitTest, ShrinkingTwoByTwoToOneAndsAllFour) {
  DibDc source(2, 2, {0xFFFFFF, 0xFF0F0F, 0xF0FF0F, 0xFFFFF0});
  DibDc target(1, 1);
  ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 2, 2, SRCCOPY));
  if (!WINE_DIVERGES("Wine keeps the first pixel when a blit shrinks both ways to one")) {
    EXPECT_EQ(target.At(0, 0), 0xF00F00u);
  }
}

TEST_F(GdiBlitTest, TransparentBltLeavesTheTargetUnderKeyPixels) {
  DibDc source(3, 1, {0x5C5C5C, 0x123456, 0x5C5C5C});
  DibDc target(4, 1, {0xABCDEF, 0xABCDEF, 0xABCDEF, 0xABCDEF});
  ASSERT_TRUE(
      TransparentBlt(target.dc(), 1, 0, 3, 1, source.dc(), 0, 0, 3, 1, RGB(0x5C, 0x5C, 0x5C)));
  EXPECT_EQ(target.Row(0), (std::vector<DWORD>{0xABCDEF, 0xABCDEF, 0x123456, 0xABCDEF}));
}

TEST_F(GdiBlitTest, FillRectAndSetPixelStayInsideTheClipRegion) {
  DibDc target(4, 2);
  HRGN clip = CreateRectRgn(1, 0, 3, 1);
  EXPECT_EQ(SelectClipRgn(target.dc(), clip), SIMPLEREGION);
  DeleteObject(clip);  // the DC keeps its own copy
  HBRUSH brush = CreateSolidBrush(RGB(0x11, 0x22, 0x33));
  RECT all{0, 0, 4, 2};
  EXPECT_TRUE(FillRect(target.dc(), &all, brush));
  EXPECT_EQ(target.Row(0), (std::vector<DWORD>{0, 0x112233, 0x112233, 0}));
  EXPECT_EQ(target.Row(1), (std::vector<DWORD>{0, 0, 0, 0}));
  // SetPixel answers the colour but draws nothing outside the clip; GetPixel
  // reads the bitmap whatever the clip.
  EXPECT_EQ(SetPixel(target.dc(), 0, 1, RGB(1, 1, 1)), RGB(1, 1, 1));
  EXPECT_EQ(target.At(0, 1), 0u);
  EXPECT_EQ(GetPixel(target.dc(), 0, 0), RGB(0, 0, 0));
  RECT box{};
  EXPECT_EQ(GetClipBox(target.dc(), &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 1);
  EXPECT_EQ(box.right, 3);

  EXPECT_EQ(SelectClipRgn(target.dc(), nullptr), SIMPLEREGION);
  EXPECT_EQ(GetPixel(target.dc(), 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(target.dc(), 4, 0), CLR_INVALID);  // outside the bitmap
  DeleteObject(brush);
}

TEST_F(GdiBlitTest, BitBltCopiesOnlyWhatTheSourceHas) {
  DibDc source(2, 1, {0x010101, 0x020202});
  DibDc target(3, 1, {0x0F0F0F, 0x0F0F0F, 0x0F0F0F});
  ASSERT_TRUE(BitBlt(target.dc(), 0, 0, 3, 1, source.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(target.Row(0), (std::vector<DWORD>{0x010101, 0x020202, 0x0F0F0F}));
}

TEST_F(GdiBlitTest, NothingLeaksFromAFullRound) {
  DWORD start = LiveGdiObjects();
  {
    DibDc a(8, 8), b(8, 8);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    RECT r{0, 0, 8, 8};
    FillRect(a.dc(), &r, brush);
    StretchBlt(b.dc(), 0, 0, 8, 8, a.dc(), 0, 0, 4, 4, SRCCOPY);
    DeleteObject(brush);
    EXPECT_EQ(b.At(7, 7), 0x010203u);
  }
  EXPECT_EQ(LiveGdiObjects(), start);
}

}  // namespace
