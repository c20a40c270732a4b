// The program's end: from the launcher, also while the game window exists,
// and with every window and drawing object it made gone.
#include "tests/e2e/sim_run.h"

namespace e2e {
namespace {

using ProgramEndTest = SimTest;

constexpr int kLauncherCloseButton = 1000;

TEST_F(ProgramEndTest, TheLauncherEndsTheProgramAndNothingIsLeftAlive) {
  const Json backOnTheLauncher = Json::array({EnterGame(), Answer("yes"), CaptionButton("game", 1)});
  const Json backFromFullScreen =
      Json::array({EnterGame(), Key("game", "F8"), Answer("yes"), CaptionButton("game", 1)});
  const struct {
    const char* how;
    Json before;
    Json ending;
    const char* launcher;
    const char* game;
  } cases[] = {
      {"launcher's close button", backOnTheLauncher,
       ClickButton("launcher", kLauncherCloseButton), "normal", "hidden"},
      {"Alt+F4 on the launcher", backOnTheLauncher, Key("launcher", "Alt+F4"), "normal",
       "hidden"},
      {"back from full screen", backFromFullScreen,
       ClickButton("launcher", kLauncherCloseButton), "normal", "hidden"},
      {"the launcher's Close while the game plays", Json::array({EnterGame()}),
       SysCommand("launcher", "close"), "hidden", "maximized"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    Json actions = c.before;
    actions.push_back(Wait(50));
    actions.push_back(c.ending);
    actions.push_back(Wait(1000));
    SimRun run = Run(OnLoginSite(actions));
    EXPECT_EQ(run.status, 0);
    // The program ended by itself, before the actions ran out.
    EXPECT_FALSE(run.Has(kActionsDone));
    ASSERT_GE(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[run.lines.size() - 2], kCleanExit);
    Json state = run.State();
    EXPECT_EQ(state["launcher"], c.launcher);
    EXPECT_EQ(state["game"], c.game);
  }
}

// A run cut short while the game plays, in full screen, in the
// notification area: the program still tears everything down.
TEST_F(ProgramEndTest, NothingIsLeftAliveWhateverTheGameWindowIsDoing) {
  const Json cases[] = {
      Json::array({EnterGame()}),
      Json::array({EnterGame(), Key("game", "F8")}),
      Json::array({EnterGame(), CaptionButton("game", 5)}),
      Json::array({EnterGame(), CaptionButton("game", 6), ChooseMenuItem(nullptr)}),
  };
  for (const Json& actions : cases) {
    SCOPED_TRACE(actions.dump());
    SimRun run = Run(OnLoginSite(actions));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.HasInOrder({kActionsDone, kCleanExit}));
  }
}

}  // namespace
}  // namespace e2e
