// Fonts and text on memory DCs: logical fonts as objects, the DC's font and
// colours, TextOutA's real glyphs within the clip, and the measurements.
#include <cstring>
#include <string>

#include "tests/support/dib_dc.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

namespace {

constexpr DWORD kWhite = 0x00FFFFFF;

HFONT MakeFont(const char* face, LONG height, LONG weight = FW_NORMAL) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::strcpy(lf.lfFaceName, face);
  return CreateFontIndirectA(&lf);
}

// The box of the pixels that are no longer `background`, and how many.
struct Ink {
  RECT box{0, 0, 0, 0};
  int count = 0;
};
Ink InkOf(const DibDc& dib, int width, int height, DWORD background) {
  Ink ink;
  ink.box = RECT{width, height, 0, 0};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (dib.At(x, y) == background) continue;
      ++ink.count;
      ink.box.left = std::min<LONG>(ink.box.left, x);
      ink.box.top = std::min<LONG>(ink.box.top, y);
      ink.box.right = std::max<LONG>(ink.box.right, x + 1);
      ink.box.bottom = std::max<LONG>(ink.box.bottom, y + 1);
    }
  }
  return ink;
}

class TextTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    start_ = LiveGdiObjects();
  }
  void TearDown() override {
    EXPECT_EQ(LiveGdiObjects(), start_);
    PlatformTest::TearDown();
  }
  DWORD start_ = 0;
};

TEST_F(TextTest, AFontKeepsItsDescriptionAndGoesWhenDeleted) {
  HFONT font = MakeFont("Arial", -12, FW_BOLD);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(GetObjectA(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTA)));
  LOGFONTA back{};
  ASSERT_EQ(GetObjectA(font, sizeof back, &back), static_cast<int>(sizeof back));
  EXPECT_EQ(back.lfHeight, -12);
  EXPECT_EQ(back.lfWeight, FW_BOLD);
  EXPECT_EQ(back.lfCharSet, DEFAULT_CHARSET);
  EXPECT_STREQ(back.lfFaceName, "Arial");

  // A DC starts with the system font; selecting gives back the one before.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ first = GetCurrentObject(dc, OBJ_FONT);
  EXPECT_EQ(first, GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(SelectObject(dc, font), first);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(SelectObject(dc, first), font);
  DeleteDC(dc);
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_EQ(GetObjectType(font), 0u);

  HGDIOBJ gui = GetStockObject(DEFAULT_GUI_FONT);
  EXPECT_EQ(GetObjectType(gui), static_cast<DWORD>(OBJ_FONT));
  EXPECT_GT(GetObjectA(gui, sizeof back, &back), 0);
  EXPECT_TRUE(DeleteObject(gui));  // stock objects survive
  EXPECT_EQ(GetObjectType(gui), static_cast<DWORD>(OBJ_FONT));
}

TEST_F(TextTest, OpaqueTextFillsItsCellTransparentTextOnlyInks) {
  HFONT font = MakeFont("Arial", -16);
  const char text[] = "Tessal";
  for (int mode : {OPAQUE, TRANSPARENT}) {
    DibDc dib(120, 40, std::vector<DWORD>(120 * 40, kWhite));
    HGDIOBJ old = SelectObject(dib.dc(), font);
    SetTextColor(dib.dc(), RGB(0, 0, 0));
    SetBkColor(dib.dc(), RGB(0, 0, 255));
    SetBkMode(dib.dc(), mode);
    SIZE extent{};
    ASSERT_TRUE(GetTextExtentPoint32A(dib.dc(), text, 6, &extent));
    EXPECT_GT(extent.cx, 30);
    EXPECT_GE(extent.cy, 16);
    ASSERT_TRUE(TextOutA(dib.dc(), 10, 5, text, 6));
    Ink ink = InkOf(dib, 120, 40, kWhite);
    EXPECT_GT(ink.count, 40) << "mode " << mode;
    EXPECT_GE(ink.box.left, 10);
    EXPECT_GE(ink.box.top, 5);
    EXPECT_LE(ink.box.right, 10 + extent.cx + 1);
    EXPECT_LE(ink.box.bottom, 5 + extent.cy);
    if (mode == OPAQUE) {
      EXPECT_EQ(dib.At(10, 5), 0x0000FFu);  // the cell's corner has the background colour
      EXPECT_EQ(dib.At(10 + extent.cx - 1, 5 + extent.cy - 1), 0x0000FFu);
      EXPECT_EQ(dib.At(10 + extent.cx, 5), kWhite);
    } else {
      EXPECT_EQ(dib.At(10, 5), kWhite);
    }
    SelectObject(dib.dc(), old);
  }
  DeleteObject(font);
}

TEST_F(TextTest, TextStaysInsideTheClipAndTakesTheTextColour) {
  HFONT font = MakeFont("Arial", -20);
  DibDc dib(160, 40, std::vector<DWORD>(160 * 40, kWhite));
  HGDIOBJ old = SelectObject(dib.dc(), font);
  SetBkMode(dib.dc(), TRANSPARENT);
  SetTextColor(dib.dc(), RGB(255, 0, 0));
  HRGN left = CreateRectRgn(0, 0, 40, 40);
  SelectClipRgn(dib.dc(), left);
  DeleteObject(left);
  TextOutA(dib.dc(), 2, 2, "MMMMMMMM", 8);
  Ink ink = InkOf(dib, 160, 40, kWhite);
  EXPECT_GT(ink.count, 20);
  EXPECT_LE(ink.box.right, 40);
  bool pureRed = false;  // a glyph's solid middle has exactly the text colour
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) pureRed |= dib.At(x, y) == 0xFF0000u;
  }
  EXPECT_TRUE(pureRed);
  SelectObject(dib.dc(), old);
  DeleteObject(font);
}

TEST_F(TextTest, MeasurementsFollowTheTextAndTheFont) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT small = MakeFont("Arial", -11);
  HFONT large = MakeFont("Arial", -22);
  HGDIOBJ old = SelectObject(dc, small);
  SIZE one{}, two{}, none{};
  GetTextExtentPoint32A(dc, "ab", 2, &one);
  GetTextExtentPoint32A(dc, "abab", 4, &two);
  GetTextExtentPoint32A(dc, "", 0, &none);
  EXPECT_EQ(two.cx, 2 * one.cx);
  EXPECT_EQ(none.cx, 0);
  EXPECT_EQ(none.cy, 0);  // nor any height
  TEXTMETRICA smallMetrics{};
  ASSERT_TRUE(GetTextMetricsA(dc, &smallMetrics));
  EXPECT_EQ(smallMetrics.tmHeight, smallMetrics.tmAscent + smallMetrics.tmDescent);
  EXPECT_GT(smallMetrics.tmAveCharWidth, 0);
  SelectObject(dc, large);
  SIZE bigger{};
  GetTextExtentPoint32A(dc, "ab", 2, &bigger);
  EXPECT_GT(bigger.cx, one.cx);
  EXPECT_GT(bigger.cy, one.cy);
  TEXTMETRICA largeMetrics{};
  GetTextMetricsA(dc, &largeMetrics);
  EXPECT_GT(largeMetrics.tmHeight, smallMetrics.tmHeight);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(small);
  DeleteObject(large);
}

TEST_F(TextTest, ChineseTextDrawsGlyphs) {
  HFONT font = MakeFont("宋体", -16);
  DibDc dib(100, 30, std::vector<DWORD>(100 * 30, kWhite));
  HGDIOBJ old = SelectObject(dib.dc(), font);
  SetBkMode(dib.dc(), TRANSPARENT);
  const char text[] = "开机启动";
  TextOutA(dib.dc(), 0, 0, text, static_cast<int>(std::strlen(text)));
  EXPECT_GT(InkOf(dib, 100, 30, kWhite).count, 60);
  SelectObject(dib.dc(), old);
  DeleteObject(font);
}

// A template's font is a real font: the skinned frame reads it back and
// makes a bold copy for its title.
TEST_F(TextTest, ADialogsTemplateFontCanBeReadAndCopiedBold) {
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_PLAIN),
                                   nullptr, nullptr, 0);
  ASSERT_NE(dialog, nullptr);
  auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTA lf{};
  ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_STREQ(lf.lfFaceName, "MS Shell Dlg");
  EXPECT_EQ(lf.lfHeight, -11);  // 8 points at 96 DPI
  lf.lfWeight = FW_BOLD;
  HFONT bold = CreateFontIndirectA(&lf);
  HDC dc = GetDC(dialog);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE normalSize{}, boldSize{};
  GetTextExtentPoint32A(dc, "Qorvan", 6, &normalSize);
  SelectObject(dc, bold);
  GetTextExtentPoint32A(dc, "Qorvan", 6, &boldSize);
  EXPECT_GE(boldSize.cx, normalSize.cx);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  DeleteObject(bold);
  DestroyWindow(dialog);
}

}  // namespace
