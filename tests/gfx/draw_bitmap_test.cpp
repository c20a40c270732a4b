// Whole bitmaps copied onto a target, plain and with a transparent key.
#include "gfx/draw_bitmap.h"

#include "gfx/region_from_bitmap.h"
#include "tests/gfx/gfx_test.h"

namespace {

constexpr DWORD F = 0xABCDEF;  // the target's own colour

// A 5 x 4 target filled with F, selected into a memory DC.
class DrawBitmapTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    start_ = LiveGdiObjects();
    target_ = CreateTestDib(5, 4, &bits_);
    Refill();
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, target_);
    picture_ = Picture(3, 2, {K, 0x010203, K, 0x040506, 0x070809, 0x0A0B0C});
  }
  void TearDown() override {
    DeleteObject(picture_);
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(target_);
    EXPECT_EQ(LiveGdiObjects(), start_);  // nothing made by a draw stays behind
    PlatformTest::TearDown();
  }
  void Refill() { std::fill(bits_, bits_ + 20, F); }
  std::vector<DWORD> Target() const {
    std::vector<DWORD> out;
    for (int i = 0; i < 20; ++i) out.push_back(bits_[i] & 0x00FFFFFF);
    return out;
  }

  HBITMAP picture_ = nullptr;
  HDC dc_ = nullptr;

 private:
  DWORD start_ = 0;
  DWORD* bits_ = nullptr;
  HBITMAP target_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST_F(DrawBitmapTest, CopiesEveryPixelAtTheGivenPlace) {
  DrawBitmap(picture_, dc_, 1, 2);
  EXPECT_EQ(Target(), (std::vector<DWORD>{F, F,        F,        F,        F,  //
                                          F, F,        F,        F,        F,  //
                                          F, K,        0x010203, K,        F,  //
                                          F, 0x040506, 0x070809, 0x0A0B0C, F}));
}

TEST_F(DrawBitmapTest, TransparentCopyKeepsTheTargetUnderKeyPixels) {
  DrawBitmapTransparent(picture_, dc_, RegionKeyColor, 1, 2);
  EXPECT_EQ(Target(), (std::vector<DWORD>{F, F,        F,        F,        F,  //
                                          F, F,        F,        F,        F,  //
                                          F, F,        0x010203, F,        F,  //
                                          F, 0x040506, 0x070809, 0x0A0B0C, F}));
}

TEST_F(DrawBitmapTest, TransparentCopyWithAnUnusedKeyDrawsAsThePlainCopy) {
  DrawBitmapTransparent(picture_, dc_, RGB(1, 1, 1), 2, 1);
  std::vector<DWORD> transparent = Target();
  Refill();
  DrawBitmap(picture_, dc_, 2, 1);
  EXPECT_EQ(transparent, Target());
}

TEST_F(DrawBitmapTest, PartlyOutsideTheTargetIsClipped) {
  DrawBitmap(picture_, dc_, 3, -1);
  EXPECT_EQ(Target(), (std::vector<DWORD>{F, F, F, 0x040506, 0x070809,  //
                                          F, F, F, F,        F,         //
                                          F, F, F, F,        F,         //
                                          F, F, F, F,        F}));
}

TEST_F(DrawBitmapTest, NoBitmapDrawsNothing) {
  DrawBitmap(nullptr, dc_, 0, 0);
  DrawBitmapTransparent(nullptr, dc_, RegionKeyColor, 0, 0);
  EXPECT_EQ(Target(), std::vector<DWORD>(20, F));
}

}  // namespace
