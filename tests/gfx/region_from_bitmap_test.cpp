// Regions cut out of pictures by the key colour.
#include "gfx/region_from_bitmap.h"

#include "tests/gfx/gfx_test.h"

namespace {

constexpr DWORD A = 0x102030;

struct RegionCase {
  const char* name;
  int width;
  int height;
  std::vector<DWORD> pixels;
  Rects expected;
};

class RegionFromBitmapTest : public PlatformTest,
                             public ::testing::WithParamInterface<RegionCase> {};

TEST_P(RegionFromBitmapTest, HoldsTheRunsOfNonKeyPixels) {
  const RegionCase& c = GetParam();
  DWORD start = LiveGdiObjects();
  HBITMAP picture = Picture(c.width, c.height, c.pixels);
  HRGN region = CreateRegionFromBitmap(picture);
  ASSERT_TRUE(region);  // an all-key picture too gives a region, an empty one
  EXPECT_EQ(RectsOf(region), c.expected);
  DeleteObject(region);
  DeleteObject(picture);
  EXPECT_EQ(LiveGdiObjects(), start);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegionFromBitmapTest,
    ::testing::Values(
        // One rectangle per row, whose union is the whole picture.
        RegionCase{"NoKeyPixel", 3, 2, {A, A, A, A, A, A}, {{0, 0, 3, 2}}},
        RegionCase{"AllKey", 3, 2, {K, K, K, K, K, K}, {}},
        RegionCase{"NonKeyKeyNonKeyNonKey", 4, 1, {A, K, A, A}, {{0, 0, 1, 1}, {2, 0, 4, 1}}},
        RegionCase{"FourthByteIgnored", 2, 1, {0xFF000000 | K, A}, {{1, 0, 2, 1}}},
        RegionCase{"RedOffByOneIsNotKey", 2, 1, {0x5D5C5C, K}, {{0, 0, 1, 1}}},
        RegionCase{"NearKeyBlueAndGreen", 3, 1, {0x5C5C5D, 0x5C5D5C, K}, {{0, 0, 2, 1}}},
        // Rows count from the top: the hole is at (0, 0), not (0, H - 1).
        RegionCase{"TopLeftKeyIsAHoleAtTheOrigin",
                   2,
                   3,
                   {K, A, A, A, A, A},
                   {{1, 0, 2, 1}, {0, 1, 2, 3}}}),
    [](const auto& info) { return std::string(info.param.name); });

using RegionFromBitmapBatchTest = PlatformTest;

// Rows of 20 one-pixel runs, alternating in phase so that no two rows
// merge: exactly `runs` runs in all.
HBITMAP ManyRuns(int runs) {
  const int width = 40, rows = (runs + 19) / 20;
  std::vector<DWORD> pixels(static_cast<std::size_t>(width) * rows, K);
  int placed = 0;
  for (int y = 0; y < rows; ++y) {
    for (int x = y % 2; x < width && placed < runs; x += 2, ++placed) pixels[y * width + x] = A;
  }
  return Picture(width, rows, pixels);
}

TEST_F(RegionFromBitmapBatchTest, RunsAtAndJustPastTheBatchLimitAreAllKept) {
  for (int runs : {1999, 2000, 2001, 4001}) {
    SCOPED_TRACE(runs);
    DWORD start = LiveGdiObjects();
    HBITMAP picture = ManyRuns(runs);
    HRGN region = CreateRegionFromBitmap(picture);
    ASSERT_TRUE(region);
    Rects rects = RectsOf(region);
    ASSERT_EQ(rects.size(), static_cast<std::size_t>(runs));
    // The last run lies where the picture put it.
    int lastRow = (runs - 1) / 20, lastX = lastRow % 2 + 2 * ((runs - 1) % 20);
    EXPECT_EQ(rects.back(), (std::vector<LONG>{lastX, lastRow, lastX + 1, lastRow + 1}));
    DeleteObject(region);
    DeleteObject(picture);
    EXPECT_EQ(LiveGdiObjects(), start);
  }
}

// Pictures in the program's own formats (24-bit, palettised) are converted
// in the copy.
TEST_F(RegionFromBitmapBatchTest, ResourcePicturesGiveTheirRuns) {
  HBITMAP picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TEST_PICTURE));
  HBITMAP palette = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TEST_PALETTE));
  ASSERT_TRUE(picture && palette);
  HRGN a = CreateRegionFromBitmap(picture);
  HRGN b = CreateRegionFromBitmap(palette);
  EXPECT_EQ(RectsOf(a), (Rects{{1, 0, 3, 1}, {0, 1, 4, 2}, {0, 2, 1, 3}, {2, 2, 4, 3}}));
  EXPECT_EQ(RectsOf(b), (Rects{{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 3, 2}}));
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(a), static_cast<HGDIOBJ>(b),
                         static_cast<HGDIOBJ>(picture), static_cast<HGDIOBJ>(palette)}) {
    DeleteObject(object);
  }
}

TEST_F(RegionFromBitmapBatchTest, NoBitmapGivesNoRegion) {
  EXPECT_EQ(CreateRegionFromBitmap(nullptr), nullptr);
}

}  // namespace
