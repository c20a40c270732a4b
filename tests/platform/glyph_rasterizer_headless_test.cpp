// Text on the portable desktop's pixels: real glyphs from Debian's fonts,
// inside the extent the text reports, in its colour, within the clip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/desktop/glyph_rasterizer.h"

namespace {

using desktop::FontRequest;
using desktop::GlyphRasterizer;
using desktop::PixelBuffer;

constexpr DWORD kRed = 0x000000FF;  // 0x00BBGGRR

// A white canvas of 32-bit pixels.
struct Canvas {
  int width, height;
  std::vector<std::uint8_t> bytes;
  Canvas(int w, int h) : width(w), height(h), bytes(static_cast<std::size_t>(w * h * 4), 0xFF) {}
  PixelBuffer buffer() { return PixelBuffer{bytes.data(), width, height, width * 4}; }
  const std::uint8_t* at(int x, int y) const { return &bytes[static_cast<std::size_t>((y * width + x) * 4)]; }
  bool changed(int x, int y) const {
    const std::uint8_t* p = at(x, y);
    return p[0] != 0xFF || p[1] != 0xFF || p[2] != 0xFF || p[3] != 0xFF;
  }
  // The bounding box of the changed pixels; empty when none changed.
  RECT ink() const {
    RECT box{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (!changed(x, y)) continue;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
    return box;
  }
  long coverage() const {
    long sum = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 4) sum += 255 - bytes[i + 1];
    return sum;
  }
};

class GlyphRasterizerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(fonts_.Available()) << "run scripts/setup for the fonts"; }
  GlyphRasterizer fonts_;
};

TEST_F(GlyphRasterizerTest, GlyphsLieInsideTheExtentInTheTextsColour) {
  struct Case {
    const char* what;
    FontRequest font;
    const char* text;
  } cases[] = {
      {"Latin", {"Arial", -12, 400}, "Tessal 1.0"},
      {"Chinese", {"宋体", -12, 400}, "开始游戏"},
      {"mixed, bold", {"Arial", -16, 700}, "登录 Login"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Canvas canvas(240, 60);
    const int x = 10, y = 8;
    SIZE extent = fonts_.DrawText(c.font, c.text, x, y, kRed, canvas.buffer(), RECT{0, 0, 240, 60});
    SIZE measured = fonts_.TextExtent(c.font, c.text);
    EXPECT_EQ(extent.cx, measured.cx);
    EXPECT_EQ(extent.cy, measured.cy);
    EXPECT_GT(extent.cx, 0);
    EXPECT_GE(extent.cy, 12);

    RECT ink = canvas.ink();
    ASSERT_LT(ink.left, ink.right) << "nothing was drawn";
    EXPECT_GE(ink.left, x);
    EXPECT_GE(ink.top, y);
    EXPECT_LE(ink.right, x + extent.cx);
    EXPECT_LE(ink.bottom, y + extent.cy);
    // Real glyphs fill a good part of their cells, not a dot or a frame.
    EXPECT_GT(ink.right - ink.left, extent.cx / 2);
    EXPECT_GT(ink.bottom - ink.top, extent.cy / 3);

    // Every changed pixel lies between white and red; strokes are mostly red.
    bool strongStroke = false;
    for (int py = 0; py < canvas.height; ++py) {
      for (int px = 0; px < canvas.width; ++px) {
        if (!canvas.changed(px, py)) continue;
        const std::uint8_t* p = canvas.at(px, py);
        EXPECT_EQ(p[2], 0xFF);
        EXPECT_EQ(p[0], p[1]);
        EXPECT_EQ(p[3], 0xFF);  // the fourth byte stays
        strongStroke |= p[1] < 0x40;
      }
    }
    EXPECT_TRUE(strongStroke);
  }
}

TEST_F(GlyphRasterizerTest, ChineseTextTakesRoomAndItsOwnFace) {
  FontRequest simsun{"宋体", -12, 400};
  SIZE four = fonts_.TextExtent(simsun, "开始游戏");
  SIZE two = fonts_.TextExtent(simsun, "开始");
  EXPECT_GE(four.cx, 4 * 10);  // about one em each
  EXPECT_EQ(four.cx, 2 * two.cx);
  EXPECT_EQ(fonts_.TextExtent(simsun, "").cx, 0);
  EXPECT_EQ(fonts_.TextExtent(simsun, "").cy, four.cy);  // an empty text still has a cell height
  EXPECT_NE(fonts_.FontFileFor(simsun, true).find("wqy"), std::string::npos);
}

TEST_F(GlyphRasterizerTest, FaceNamesMapToDebianFamilies) {
  struct Case {
    const char* face;
    const char* fileContains;
  } cases[] = {
      {"Arial", "DejaVuSans"},        {"arial", "DejaVuSans"},   {"MS Shell Dlg", "DejaVuSans"},
      {"Courier New", "DejaVuSansMono"}, {"宋体", "wqy"},          {"SimSun", "wqy"},
      {"微软雅黑", "wqy"},             {"No Such Face", "DejaVuSans"},
  };
  for (const Case& c : cases) {
    EXPECT_NE(fonts_.FontFileFor(FontRequest{c.face, -12, 400}, false).find(c.fileContains),
              std::string::npos)
        << c.face;
  }
}

TEST_F(GlyphRasterizerTest, BoldIsHeavierAndAPositiveHeightIsTheCell) {
  Canvas normal(200, 40), bold(200, 40);
  fonts_.DrawText({"Arial", -14, 400}, "Tessal", 0, 0, kRed, normal.buffer(), RECT{0, 0, 200, 40});
  fonts_.DrawText({"Arial", -14, 700}, "Tessal", 0, 0, kRed, bold.buffer(), RECT{0, 0, 200, 40});
  EXPECT_GT(bold.coverage(), normal.coverage() * 11 / 10);
  SIZE cell = fonts_.TextExtent({"Arial", 20, 400}, "Tessal");
  EXPECT_GE(cell.cy, 20);
  EXPECT_LE(cell.cy, 22);
  EXPECT_GT(fonts_.TextExtent({"Arial", -24, 400}, "Tessal").cx, fonts_.TextExtent({"Arial", -12, 400}, "Tessal").cx);
}

TEST_F(GlyphRasterizerTest, NothingIsDrawnOutsideTheClipOrTheBuffer) {
  const char* text = "开始游戏 Start";
  FontRequest font{"Arial", -14, 400};
  Canvas whole(200, 40);
  SIZE extent = fonts_.DrawText(font, text, 5, 5, kRed, whole.buffer(), RECT{0, 0, 200, 40});
  int middle = 5 + extent.cx / 2;

  Canvas clipped(200, 40);
  fonts_.DrawText(font, text, 5, 5, kRed, clipped.buffer(), RECT{0, 0, middle, 40});
  RECT ink = clipped.ink();
  ASSERT_LT(ink.left, ink.right);
  EXPECT_LE(ink.right, middle);
  // Inside the clip the pixels are the unclipped drawing's.
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < middle; ++x) {
      ASSERT_EQ(std::memcmp(clipped.at(x, y), whole.at(x, y), 4), 0) << x << "," << y;
    }
  }

  // Text hanging over every edge of a small buffer, with a clip larger
  // than the buffer, touches only the buffer's own pixels.
  Canvas small(20, 10);
  std::vector<std::uint8_t> guarded(small.bytes.size() + 64, 0xAB);
  std::copy(small.bytes.begin(), small.bytes.end(), guarded.begin() + 32);
  PixelBuffer inner{guarded.data() + 32, 20, 10, 80};
  fonts_.DrawText({"Arial", -30, 700}, text, -7, -9, kRed, inner, RECT{-100, -100, 100, 100});
  for (int i = 0; i < 32; ++i) {
    EXPECT_EQ(guarded[static_cast<std::size_t>(i)], 0xAB);
    EXPECT_EQ(guarded[guarded.size() - 1 - static_cast<std::size_t>(i)], 0xAB);
  }
}

}  // namespace
