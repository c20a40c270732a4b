// Bitmap resources loaded into a handle slot and into MyCBitmap.
#include "gfx/bitmap_resource.h"

#include <cstring>

#include "gfx/my_cbitmap.h"
#include "tests/gfx/gfx_test.h"
#include "tests/support/divergence.h"

namespace {

using BitmapResourceTest = PlatformTest;

TEST_F(BitmapResourceTest, LoadingIntoAFullSlotDeletesWhatItHeld) {
  DWORD start = LiveGdiObjects();
  HBITMAP slot = nullptr;
  ASSERT_TRUE(LoadBitmapResource(slot, IDB_TEST_PICTURE));
  HBITMAP first = slot;
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
  ASSERT_TRUE(LoadBitmapResource(slot, IDB_TEST_PALETTE));
  EXPECT_NE(slot, nullptr);
  EXPECT_EQ(GetObjectType(first), 0u);  // gone
  if (!WINE_DIVERGES("Wine's GetGuiResources counts no objects")) {
    EXPECT_EQ(LiveGdiObjects(), start + 1);
  }

  HBITMAP second = slot;
  EXPECT_FALSE(LoadBitmapResource(slot, IDB_TEST_MISSING));
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(GetObjectType(second), 0u);  // gone all the same
  EXPECT_EQ(LiveGdiObjects(), start);
}

TEST_F(BitmapResourceTest, PicturesOfEachDepthLoadWithTheirColours) {
  struct Case {
    WORD id;
    int x, y;
    COLORREF colour;
  };
  const Case cases[] = {{IDB_TEST_PICTURE, 1, 0, RGB(0xC0, 0x30, 0x20)},
                        {IDB_TEST_PICTURE, 1, 2, RGB(0x5C, 0x5C, 0x5C)},
                        {IDB_TEST_PALETTE, 2, 0, RGB(0, 0xFF, 0)},
                        {IDB_TEST_PALETTE, 2, 1, RGB(0xFF, 0, 0)},
                        {IDB_TEST_DEEP, 1, 0, RGB(0xAB, 0xCD, 0xEF)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    HBITMAP bitmap = nullptr;
    ASSERT_TRUE(LoadBitmapResource(bitmap, c.id));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, c.x, c.y), c.colour);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
}

TEST_F(BitmapResourceTest, MyCBitmapKeepsTheDescription) {
  DWORD start = LiveGdiObjects();
  {
    MyCBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadWithInfo(IDB_TEST_PICTURE));
    EXPECT_EQ(bitmap.Info.bmWidth, 4);
    EXPECT_EQ(bitmap.Info.bmHeight, 3);
    EXPECT_EQ(bitmap.Info.bmWidthBytes, 16);
    EXPECT_EQ(bitmap.Info.bmPlanes, 1);
    EXPECT_EQ(bitmap.Info.bmBitsPixel, 32);
    HGDIOBJ held = bitmap.m_hObject;
    EXPECT_FALSE(bitmap.LoadWithInfo(IDB_TEST_PALETTE));  // loaded once
    EXPECT_EQ(bitmap.m_hObject, held);
    EXPECT_EQ(bitmap.Info.bmWidth, 4);
  }
  EXPECT_EQ(LiveGdiObjects(), start);  // the object deleted its bitmap
}

TEST_F(BitmapResourceTest, MyCBitmapWithAMissingIdStaysEmpty) {
  MyCBitmap bitmap;
  EXPECT_FALSE(bitmap.LoadWithInfo(IDB_TEST_MISSING));
  EXPECT_EQ(bitmap.m_hObject, nullptr);
  BITMAP zero{};
  EXPECT_EQ(std::memcmp(&bitmap.Info, &zero, sizeof zero), 0);
}

}  // namespace
