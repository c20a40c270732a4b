// The frame's geometry: client rectangle, caption buttons and icon in the
// normal, maximised and full-screen states and without a maximise box; the
// paint destinations of the pieces.
#include <gtest/gtest.h>

#include <string>

#include "skin/caption_layout.h"
#include "skin/frame_paint_steps.h"

namespace {

constexpr DWORD kAllStyles = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                             WS_MAXIMIZEBOX;
constexpr int kCaption = 23;
constexpr RECT kNone{0, 0, 0, 0};

std::string Show(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

struct LayoutCase {
  const char* name;
  CaptionLayoutInput input;
  RECT client;
  RECT close, maximise, restore, minimise, tray, settings, pay, icon;
};

class CaptionLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(CaptionLayoutTest, PlacesClientButtonsAndIcon) {
  const LayoutCase& c = GetParam();
  CaptionLayout layout = LayoutCaption(c.input);
  EXPECT_EQ(Show(layout.client), Show(c.client));
  EXPECT_EQ(Show(layout.Button(kCloseButton)), Show(c.close));
  EXPECT_EQ(Show(layout.Button(kMaximizeButton)), Show(c.maximise));
  EXPECT_EQ(Show(layout.Button(kRestoreButton)), Show(c.restore));
  EXPECT_EQ(Show(layout.Button(kMinimizeButton)), Show(c.minimise));
  EXPECT_EQ(Show(layout.Button(kTrayButton)), Show(c.tray));
  EXPECT_EQ(Show(layout.Button(kSettingsButton)), Show(c.settings));
  EXPECT_EQ(Show(layout.Button(kPayButton)), Show(c.pay));
  EXPECT_EQ(Show(layout.icon), Show(c.icon));
  // The wide buttons sit side by side, 40 apart, right to left.
  for (int id = kServiceButton; id <= kPayButton; ++id) {
    EXPECT_EQ(layout.Button(id).right, layout.Button(id - 1).left - 2) << "button " << id;
  }
}

INSTANTIATE_TEST_SUITE_P(
    States, CaptionLayoutTest,
    ::testing::Values(
        LayoutCase{"normal",
                   {RECT{100, 100, 1100, 700}, 1000, false, false, kAllStyles, kCaption},
                   RECT{106, 123, 1094, 695},
                   RECT{977, 3, 995, 21}, RECT{957, 3, 975, 21}, kNone, RECT{937, 3, 955, 21},
                   RECT{917, 3, 935, 21}, RECT{877, 3, 915, 21}, RECT{717, 3, 755, 21},
                   RECT{5, 3, 21, 19}},
        LayoutCase{"maximised",
                   {RECT{-8, -8, 1928, 1088}, 1936, true, false, kAllStyles, kCaption},
                   RECT{0, kCaption, 1920, 1080},
                   RECT{1905, 9, 1923, 27}, kNone, RECT{1885, 9, 1903, 27}, RECT{1865, 9, 1883, 27},
                   RECT{1845, 9, 1863, 27}, RECT{1805, 9, 1843, 27}, RECT{1645, 9, 1683, 27},
                   RECT{13, 9, 29, 25}},
        // Maximised wins over full screen.
        LayoutCase{"maximised in full screen",
                   {RECT{-8, -8, 1928, 1088}, 1936, true, true, kAllStyles, kCaption},
                   RECT{0, kCaption, 1920, 1080},
                   RECT{1905, 9, 1923, 27}, kNone, RECT{1885, 9, 1903, 27}, RECT{1865, 9, 1883, 27},
                   RECT{1845, 9, 1863, 27}, RECT{1805, 9, 1843, 27}, RECT{1645, 9, 1683, 27},
                   RECT{13, 9, 29, 25}},
        // Every button lies above the screen.
        LayoutCase{"full screen",
                   {RECT{-6, -23, 1926, 1085}, 1932, false, true, kAllStyles, kCaption},
                   RECT{0, 0, 1920, 1079},
                   RECT{1903, 0, 1921, 18}, RECT{1883, 0, 1901, 18}, kNone, RECT{1863, 0, 1881, 18},
                   RECT{1843, 0, 1861, 18}, RECT{1803, 0, 1841, 18}, RECT{1643, 0, 1681, 18},
                   RECT{11, 0, 27, 16}},
        LayoutCase{"no maximise box",
                   {RECT{100, 100, 1100, 700}, 1000, false, false, kAllStyles & ~WS_MAXIMIZEBOX,
                    kCaption},
                   RECT{106, 123, 1094, 695},
                   RECT{977, 3, 995, 21}, kNone, kNone, RECT{957, 3, 975, 21},
                   RECT{937, 3, 955, 21}, RECT{897, 3, 935, 21}, RECT{737, 3, 775, 21},
                   RECT{5, 3, 21, 19}},
        LayoutCase{"neither maximise nor minimise box",
                   {RECT{0, 0, 1000, 600}, 1000, false, false,
                    kAllStyles & ~(WS_MAXIMIZEBOX | WS_MINIMIZEBOX), kCaption},
                   RECT{6, 23, 994, 595},
                   RECT{977, 3, 995, 21}, kNone, kNone, kNone,
                   RECT{957, 3, 975, 21}, RECT{917, 3, 955, 21}, RECT{757, 3, 795, 21},
                   RECT{5, 3, 21, 19}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) {
      std::string name = info.param.name;
      for (char& ch : name) {
        if (ch == ' ') ch = '_';
      }
      return name;
    });

FramePaintInput NormalWindow(int width, int height) {
  FramePaintInput in;
  in.width = width;
  in.height = height;
  in.windowTop = 240;
  in.captionHeight = kCaption;
  in.captionLeft = SIZE{6, 5};
  in.captionRight = SIZE{6, 27};
  in.leftBorder = SIZE{6, 5};
  in.bottomLeft = SIZE{6, 5};
  in.bottomRight = SIZE{6, 5};
  return in;
}

TEST(FramePaintStepsTest, ANormalWindowOf1000By600PaintsEightPiecesInOrder) {
  std::vector<FramePaintStep> steps = FramePaintSteps(NormalWindow(1000, 600));
  struct Expected {
    FramePiece piece;
    RECT rect;
    bool stretched;
  } expected[] = {
      {FramePiece::CaptionLeft, RECT{0, 0, 6, kCaption}, true},
      {FramePiece::CaptionMiddle, RECT{6, 0, 994, kCaption}, true},
      {FramePiece::CaptionRight, RECT{994, 0, 1000, kCaption}, true},
      {FramePiece::LeftBorder, RECT{0, 5, 6, 595}, true},
      {FramePiece::RightBorder, RECT{994, 5, 1000, 595}, true},
      {FramePiece::BottomLeft, RECT{0, 595, 6, 600}, false},
      {FramePiece::BottomBorder, RECT{6, 595, 994, 600}, true},
      {FramePiece::BottomRight, RECT{994, 595, 1000, 600}, false},
  };
  ASSERT_EQ(steps.size(), std::size(expected));
  for (std::size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].piece, expected[i].piece) << "step " << i;
    EXPECT_EQ(Show(steps[i].destination), Show(expected[i].rect)) << "step " << i;
    EXPECT_EQ(steps[i].stretched, expected[i].stretched) << "step " << i;
  }
}

TEST(FramePaintStepsTest, AMaximisedWindowPaintsOnlyTheTitleBand) {
  FramePaintInput in = NormalWindow(1936, 1056);
  in.maximised = true;
  in.windowTop = -8;
  std::vector<FramePaintStep> steps = FramePaintSteps(in);
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].piece, FramePiece::CaptionMiddle);
  EXPECT_EQ(Show(steps[0].destination), Show(RECT{0, 0, 1936, kCaption + 8 + 3}));
}

TEST(FramePaintStepsTest, PiecesThatFailedToLoadCollapseToNothing) {
  FramePaintInput in = NormalWindow(400, 300);
  in.captionLeft = in.captionRight = in.leftBorder = in.bottomLeft = in.bottomRight = SIZE{0, 0};
  std::vector<FramePaintStep> steps = FramePaintSteps(in);
  ASSERT_EQ(steps.size(), 8u);
  EXPECT_EQ(Show(steps[0].destination), Show(RECT{0, 0, 0, kCaption}));   // no width
  EXPECT_EQ(Show(steps[3].destination), Show(RECT{0, 0, 0, 300}));        // no width
  EXPECT_EQ(Show(steps[1].destination), Show(RECT{0, 0, 400, kCaption}));  // middle fills
}

}  // namespace
