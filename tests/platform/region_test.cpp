// Regions: complexity answers, creation from region data, the banded form
// read back, containment and equality.
#include <vector>

#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

namespace {

using RegionTest = PlatformTest;

// Region data: the 32-byte header and `rects`, as a program builds it.
std::vector<BYTE> RegionData(const std::vector<RECT>& rects) {
  std::vector<BYTE> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.rcBound = RECT{0x7FFFFFFF, 0x7FFFFFFF, 0, 0};
  if (!rects.empty()) {
    std::copy_n(reinterpret_cast<const BYTE*>(rects.data()), rects.size() * sizeof(RECT),
                buffer.begin() + sizeof(RGNDATAHEADER));
  }
  return buffer;
}

HRGN FromRects(const std::vector<RECT>& rects) {
  std::vector<BYTE> data = RegionData(rects);
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                         reinterpret_cast<RGNDATA*>(data.data()));
}

// The region's rectangles as GetRegionData gives them, band by band.
std::vector<std::vector<LONG>> ReadBack(HRGN region) {
  DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<BYTE> buffer(size);
  EXPECT_EQ(GetRegionData(region, size, reinterpret_cast<RGNDATA*>(buffer.data())), size);
  const auto* data = reinterpret_cast<const RGNDATA*>(buffer.data());
  const auto* rects = reinterpret_cast<const RECT*>(buffer.data() + data->rdh.dwSize);
  std::vector<std::vector<LONG>> out;
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    out.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  }
  return out;
}

struct CombineCase {
  const char* name;
  RECT a;
  RECT b;
  int mode;
  int answer;
};

class CombineTest : public PlatformTest, public ::testing::WithParamInterface<CombineCase> {};

TEST_P(CombineTest, AnswersTheComplexityOfTheResult) {
  const CombineCase& c = GetParam();
  HRGN a = CreateRectRgnIndirect(&c.a);
  HRGN b = CreateRectRgnIndirect(&c.b);
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(result, a, b, c.mode), c.answer);
  RECT box{};
  if (c.answer != ERROR) {
    EXPECT_EQ(GetRgnBox(result, &box), c.answer);
  }
  DeleteObject(a);
  DeleteObject(b);
  DeleteObject(result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CombineTest,
    ::testing::Values(
        CombineCase{"OrOverlapping", {0, 0, 10, 10}, {5, 5, 15, 15}, RGN_OR, COMPLEXREGION},
        CombineCase{"OrStackedSameWidth", {0, 0, 10, 5}, {0, 5, 10, 9}, RGN_OR, SIMPLEREGION},
        CombineCase{"OrSideBySide", {0, 0, 5, 5}, {5, 0, 9, 5}, RGN_OR, SIMPLEREGION},
        CombineCase{"AndOverlapping", {0, 0, 10, 10}, {5, 5, 15, 15}, RGN_AND, SIMPLEREGION},
        CombineCase{"AndDisjoint", {0, 0, 5, 5}, {6, 6, 9, 9}, RGN_AND, NULLREGION},
        CombineCase{"DiffItself", {0, 0, 5, 5}, {0, 0, 5, 5}, RGN_DIFF, NULLREGION},
        CombineCase{"DiffHole", {0, 0, 9, 9}, {3, 3, 6, 6}, RGN_DIFF, COMPLEXREGION},
        CombineCase{"XorSame", {0, 0, 5, 5}, {0, 0, 5, 5}, RGN_XOR, NULLREGION},
        CombineCase{"Copy", {1, 2, 3, 4}, {0, 0, 0, 0}, RGN_COPY, SIMPLEREGION},
        CombineCase{"BadMode", {1, 2, 3, 4}, {0, 0, 1, 1}, 99, ERROR}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegionTest, AnEmptyBatchMakesAnEmptyRegionNotAFailure) {
  HRGN region = FromRects({});
  ASSERT_TRUE(region);
  RECT box{1, 1, 1, 1};
  EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 0);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  DeleteObject(region);
}

TEST_F(RegionTest, RowsOfOneWidthCoalesceIntoOneRectangle) {
  HRGN rows = FromRects({{0, 0, 4, 1}, {0, 1, 4, 2}, {0, 2, 4, 3}});
  HRGN rect = CreateRectRgn(0, 0, 4, 3);
  EXPECT_TRUE(EqualRgn(rows, rect));
  EXPECT_EQ(ReadBack(rows), (std::vector<std::vector<LONG>>{{0, 0, 4, 3}}));
  DeleteObject(rows);
  DeleteObject(rect);
}

TEST_F(RegionTest, OverlappingRectanglesInAnyOrderMakeTheirUnion) {
  HRGN data = FromRects({{5, 5, 15, 15}, {0, 0, 10, 10}, {2, 2, 3, 3}, {7, 0, 7, 9}});
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(5, 5, 15, 15);
  HRGN both = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(both, a, b, RGN_OR);
  EXPECT_TRUE(EqualRgn(data, both));
  EXPECT_EQ(ReadBack(data),
            (std::vector<std::vector<LONG>>{{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}));
  for (HRGN r : {data, a, b, both}) DeleteObject(r);
}

TEST_F(RegionTest, AHoleReadsBackAsBands) {
  HRGN square = CreateRectRgn(0, 0, 3, 3);
  HRGN hole = CreateRectRgn(1, 1, 2, 2);
  ASSERT_EQ(CombineRgn(square, square, hole, RGN_DIFF), COMPLEXREGION);
  EXPECT_EQ(ReadBack(square), (std::vector<std::vector<LONG>>{
                                  {0, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {0, 2, 3, 3}}));
  EXPECT_TRUE(PtInRegion(square, 0, 0));
  EXPECT_FALSE(PtInRegion(square, 1, 1));
  EXPECT_FALSE(PtInRegion(square, 3, 0));  // right and bottom edges are outside
  EXPECT_FALSE(PtInRegion(square, 0, 3));
  RECT box{};
  EXPECT_EQ(GetRgnBox(square, &box), COMPLEXREGION);
  EXPECT_EQ(box.right, 3);
  EXPECT_EQ(box.bottom, 3);
  DeleteObject(square);
  DeleteObject(hole);
}

TEST_F(RegionTest, ExtCreateRegionRefusesAHeaderOfTheWrongSize) {
  std::vector<BYTE> data = RegionData({{0, 0, 1, 1}});
  auto* header = reinterpret_cast<RGNDATA*>(data.data());
  header->rdh.dwSize = 16;
  EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), header), nullptr);
  EXPECT_EQ(ExtCreateRegion(nullptr, 16, header), nullptr);
}

TEST_F(RegionTest, CreateRectRgnOrdersItsCorners) {
  HRGN flipped = CreateRectRgn(5, 6, 1, 2);
  HRGN plain = CreateRectRgn(1, 2, 5, 6);
  EXPECT_TRUE(EqualRgn(flipped, plain));
  DeleteObject(flipped);
  DeleteObject(plain);
}

}  // namespace
