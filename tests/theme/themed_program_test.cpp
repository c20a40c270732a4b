// The real program built with the plain test theme (tests/theme/plain),
// played headless: the launcher and the game window show that theme's
// pictures, icon and title, and nothing of the default theme.
#include <algorithm>
#include <cstdint>

#include "tests/e2e/sim_run.h"
#include "tests/theme/png_file.h"

namespace e2e {
namespace {

// The plain theme's colours (make-plain-theme), as 0xRRGGBB.
constexpr std::uint32_t kBackground = 0x2878C8, kClose = 0xC82828, kMinimise = 0x28A03C,
                        kLink = 0xE6B41E, kLogo = 0x1EA096, kFrame = 0x7828A0,
                        kCaptionButton = 0xC8C83C, kIcon = 0xF08C14;
constexpr std::uint32_t kDesktop = 0x3A6EA5;  // the headless screen behind the windows

int CountColour(const PngFile& png, std::uint32_t colour, int top, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < png.width; ++x) count += png.Rgb(x, y) == colour;
  }
  return count;
}

class ThemedProgramTest : public SimTest {};

TEST_F(ThemedProgramTest, TheLauncherAndTheGameWindowShowTheThemesPicturesIconAndTitle) {
  const std::string launcherPng = (folder_ / "launcher.png").string();
  const std::string gamePng = (folder_ / "game.png").string();
  SimRun run = Run(OnLoginSite({Wait(1500),
                                {{"action", "screenshot"}, {"file", launcherPng}},
                                ClickLink("launcher", "enter"),
                                Wait(500),
                                {{"action", "screenshot"}, {"file", gamePng}}}));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.State()["game_title"], "潮汐 Tidewater s12");

  PngFile launcher(launcherPng);
  ASSERT_TRUE(launcher.Read());
  // The launcher is where its background colour is: 1008 × 601 of it.
  int left = launcher.width, top = launcher.height, right = -1, bottom = -1;
  for (int y = 0; y < launcher.height; ++y) {
    for (int x = 0; x < launcher.width; ++x) {
      if (launcher.Rgb(x, y) != kBackground) continue;
      left = std::min(left, x), top = std::min(top, y);
      right = std::max(right, x), bottom = std::max(bottom, y);
    }
  }
  ASSERT_EQ(right - left + 1, 1008);
  ASSERT_EQ(bottom - top + 1, 601);
  const struct {
    const char* what;
    int x, y;  // in the launcher
    std::uint32_t colour;
  } spots[] = {
      {"a corner hole", 0, 0, kDesktop},
      {"the last corner hole", 1007, 600, kDesktop},
      {"the close button", 947 + 16, 128 + 16, kClose},
      {"the minimise button", 919 + 5, 136 + 5, kMinimise},
      {"the minimise button's columns under the close button", 919 + 28, 136 + 5, kClose},
      {"the official site link", 326 + 39, 132 + 11, kLink},
      {"the top-up link", 824 + 39, 132 + 11, kLink},
      {"the logo", 503 + 100, 28 + 50, kLogo},
      {"the background through the logo's see-through rows", 503 + 150, 28 + 120, kBackground},
      {"the forum link through the logo", 503 + 10, 132 + 11, kLink},
  };
  for (const auto& spot : spots) {
    EXPECT_EQ(launcher.Rgb(left + spot.x, top + spot.y), spot.colour)
        << spot.what << std::hex << " shows 0x" << launcher.Rgb(left + spot.x, top + spot.y);
  }

  PngFile game(gamePng);
  ASSERT_TRUE(game.Read());
  // Maximised: the title band at the top of the screen, in the frame's
  // colour, with the nine caption buttons that show (close, restore,
  // minimise, tray and five labels), the icon at 16 × 16 and the title.
  constexpr int kBand = 27;
  EXPECT_EQ(game.Rgb(game.width / 2, 4), kFrame);
  EXPECT_EQ(CountColour(game, kCaptionButton, 0, kBand), 4 * 18 * 18 + 5 * 38 * 18);
  EXPECT_EQ(CountColour(game, kIcon, 0, kBand), 16 * 16);
  int title = 0;
  for (int y = 0; y < kBand; ++y) {
    for (int x = 30; x < 300; ++x) title += game.Rgb(x, y) != kFrame;
  }
  EXPECT_GT(title, 50) << "no title drawn in the title bar";
}

}  // namespace
}  // namespace e2e
