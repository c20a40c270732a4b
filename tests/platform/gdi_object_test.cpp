// Drawing objects: ownership rules of selection and deletion, compatible
// bitmaps, DIB sections and their descriptions.
#include "tests/support/divergence.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

namespace {

using GdiObjectTest = PlatformTest;

BITMAP Describe(HGDIOBJ bitmap) {
  BITMAP bm{};
  EXPECT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
  return bm;
}

TEST_F(GdiObjectTest, ABitmapIsSelectedIntoOneMemoryDcAtATimeAndCannotBeDeletedThere) {
  DWORD start = LiveGdiObjects();
  HDC screen = GetDC(nullptr);
  HDC first = CreateCompatibleDC(screen);
  HDC second = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
  ASSERT_TRUE(first && second && bitmap);

  // Selecting gives back what was selected: a memory DC starts with a 1 x 1
  // monochrome bitmap.
  HGDIOBJ original = SelectObject(first, bitmap);
  ASSERT_TRUE(original);
  BITMAP bm = Describe(original);
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmHeight, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);

  EXPECT_EQ(SelectObject(second, bitmap), nullptr);
  if (!WINE_DIVERGES("Wine accepts deleting a selected bitmap and deletes it when deselected")) {
    EXPECT_FALSE(DeleteObject(bitmap));
  }
  EXPECT_EQ(SelectObject(first, original), bitmap);
  EXPECT_EQ(SelectObject(second, bitmap), original);  // free again
  EXPECT_EQ(SelectObject(second, original), bitmap);
  EXPECT_TRUE(DeleteObject(bitmap));

  DeleteDC(first);
  DeleteDC(second);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(LiveGdiObjects(), start);
}

TEST_F(GdiObjectTest, BrushesAreSharedBetweenDcsAndStockObjectsSurviveDeletion) {
  DWORD start = LiveGdiObjects();
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  HGDIOBJ old1 = SelectObject(first, brush);
  HGDIOBJ old2 = SelectObject(second, brush);
  EXPECT_EQ(old1, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(old2, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(first, OBJ_BRUSH), brush);
  LOGBRUSH lb{};
  EXPECT_EQ(GetObjectA(brush, sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbColor, RGB(10, 20, 30));
  SelectObject(first, old1);
  SelectObject(second, old2);
  EXPECT_TRUE(DeleteObject(brush));

  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_MEMDC));
  DeleteDC(first);
  DeleteDC(second);
  EXPECT_EQ(LiveGdiObjects(), start);
}

struct CompatibleCase {
  const char* name;
  bool fromScreen;  // else: from a fresh memory DC
  int width;
  WORD bitsPerPixel;
  LONG widthBytes;
};

class CompatibleBitmapTest : public PlatformTest,
                             public ::testing::WithParamInterface<CompatibleCase> {};

TEST_P(CompatibleBitmapTest, TakesTheFormatOfTheDcItIsMadeFor) {
  const CompatibleCase& c = GetParam();
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(c.fromScreen ? screen : memory, c.width, 3);
  ASSERT_TRUE(bitmap);
  BITMAP bm = Describe(bitmap);
  EXPECT_EQ(bm.bmWidth, c.width);
  EXPECT_EQ(bm.bmHeight, 3);
  EXPECT_EQ(bm.bmBitsPixel, c.bitsPerPixel);
  EXPECT_EQ(bm.bmWidthBytes, c.widthBytes);
  EXPECT_EQ(bm.bmPlanes, 1);
  EXPECT_EQ(bm.bmBits, nullptr);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompatibleBitmapTest,
                         ::testing::Values(CompatibleCase{"Screen", true, 5, 32, 20},
                                           // The default bitmap of a memory DC is monochrome: so
                                           // is what it makes (rows of whole 16-bit words).
                                           CompatibleCase{"FreshMemoryDc", false, 5, 1, 2},
                                           CompatibleCase{"FreshMemoryDcWide", false, 17, 1, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DibCase {
  const char* name;
  LONG height;     // positive: bottom-up
  int firstIndex;  // where the top-left pixel lies in the bits
};

class DibSectionTest : public PlatformTest, public ::testing::WithParamInterface<DibCase> {};

TEST_P(DibSectionTest, StoresRowsAsTheHeightSignSays) {
  const DibCase& c = GetParam();
  BITMAPINFO info{};
  info.bmiHeader =
      BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 3, c.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_TRUE(dib && bits);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, dib);
  SetPixel(dc, 0, 0, RGB(1, 2, 3));
  auto* words = static_cast<DWORD*>(bits);
  EXPECT_EQ(words[c.firstIndex], 0x010203u);
  words[c.firstIndex + 1] = 0x0A0B0C;
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0x0A, 0x0B, 0x0C));

  BITMAP bm = Describe(dib);
  EXPECT_EQ(bm.bmBits, bits);
  EXPECT_EQ(bm.bmWidthBytes, 12);
  EXPECT_EQ(bm.bmHeight, 2);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  DIBSECTION ds{};
  EXPECT_EQ(GetObjectA(dib, sizeof ds, &ds), static_cast<int>(sizeof ds));
  EXPECT_EQ(ds.dsBmih.biBitCount, 32);
  EXPECT_EQ(ds.dsBmih.biWidth, 3);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
}

INSTANTIATE_TEST_SUITE_P(Cases, DibSectionTest,
                         ::testing::Values(DibCase{"BottomUp", 2, 3}, DibCase{"TopDown", -2, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiObjectTest, MalformedRequestsFailCleanly) {
  DWORD start = LiveGdiObjects();
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), -4, 4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = reinterpret_cast<void*>(1);
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 4, 4), nullptr);
  EXPECT_FALSE(DeleteObject(nullptr));
  EXPECT_EQ(SelectObject(nullptr, GetStockObject(WHITE_BRUSH)), nullptr);
  EXPECT_EQ(LiveGdiObjects(), start);
}

}  // namespace
