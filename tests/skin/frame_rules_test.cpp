// The frame's small rules: the hit-code mapping, the full-screen rectangle
// and the notification-area tip.
#include <gtest/gtest.h>

#include <string>

#include "skin/frame_rules.h"

namespace {

TEST(FrameRulesTest, SystemCaptionCodesBecomeTheTitleBarAndOthersStay) {
  struct Case {
    LRESULT in, out;
  } cases[] = {
      {HTSYSMENU, HTCAPTION}, {HTMINBUTTON, HTCAPTION}, {HTMAXBUTTON, HTCAPTION},
      {HTCLOSE, HTCAPTION},   {HTCAPTION, HTCAPTION},   {HTCLIENT, HTCLIENT},
      {HTLEFT, HTLEFT},       {HTBOTTOMRIGHT, HTBOTTOMRIGHT}, {HTNOWHERE, HTNOWHERE},
      {HTBORDER, HTBORDER},
  };
  for (const Case& c : cases) EXPECT_EQ(MapSkinHitCode(c.in), c.out) << c.in;
}

TEST(FrameRulesTest, FullScreenPutsTheClientAreaOnTheWholeScreen) {
  // A normal window of 1012 x 628 at (100, 100) with borders 6/6/5 and a
  // caption of 23.
  RECT normal = FullScreenWindowRect(RECT{100, 100, 1112, 728}, RECT{106, 123, 1106, 723}, 1920, 1080);
  EXPECT_EQ(normal.left, -6);
  EXPECT_EQ(normal.top, -23);
  EXPECT_EQ(normal.right, 1926);
  EXPECT_EQ(normal.bottom, 1085);
  // Maximised on a work area 1040 high.
  RECT maximised = FullScreenWindowRect(RECT{-8, -8, 1928, 1048}, RECT{0, 23, 1920, 1040}, 1920, 1080);
  EXPECT_EQ(maximised.left, -8);
  EXPECT_EQ(maximised.top, -31);
  EXPECT_EQ(maximised.right, 1928);
  EXPECT_EQ(maximised.bottom, 1088);
}

TEST(FrameRulesTest, TheTitleIsTheWindowTextASpaceAndTheServerName) {
  EXPECT_EQ(FrameTitle("Qorvan", ""), "Qorvan ");
  EXPECT_EQ(FrameTitle("Qorvan", "双线一区"), "Qorvan 双线一区");
}

TEST(FrameRulesTest, TheTipKeepsAtMost127BytesAndNeverHalfACharacter) {
  const std::string longLatin(200, 'a');
  const std::string chinese = "游";  // two bytes in code page 936
  struct Case {
    const char* name;
    std::string text;
    std::size_t length;
  } cases[] = {
      {"short", "Qorvan", 6},
      {"exactly 127", std::string(127, 'x'), 127},
      {"long", longLatin, 127},
      {"a character across the limit", std::string(126, 'x') + chinese, 126},
      {"a character ending at the limit", std::string(125, 'x') + chinese + "y", 127},
      {"empty", "", 0},
  };
  for (const Case& c : cases) {
    std::string tip = NotifyTipText(c.text, 127);
    EXPECT_EQ(tip.size(), c.length) << c.name;
    EXPECT_EQ(c.text.compare(0, tip.size(), tip), 0) << c.name;
  }
}

}  // namespace
