// Keys in the game window and its portal-link caption buttons.
#include "tests/e2e/sim_run.h"

namespace e2e {
namespace {

using GameWindowInputTest = SimTest;

// What a key in the game window does, typed into its page or with the
// window itself holding the keyboard, heard between the game page's arrival
// and the end of the actions.
TEST_F(GameWindowInputTest, F5F8EnterAndEscNeverCloseTheGame) {
  const std::vector<std::string> nothing;
  const std::vector<std::string> formSent = {Navigate("game", kEnteredGamePage, false),
                                             DocumentComplete("game", kEnteredGamePage)};
  const struct {
    const char* key;
    bool intoPage;
    std::vector<std::string> heard;
    bool fullScreen;
  } cases[] = {
      {"F5", false, nothing, false},  // no reload
      {"F5", true, nothing, false},
      {"Esc", false, nothing, false},
      {"Esc", true, nothing, false},
      {"Enter", false, nothing, false},
      {"Enter", true, formSent, false},  // the page sends its form
      {"F8", false, {Show("game", "normal")}, true},
      {"F8", true, {Show("game", "normal")}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + (c.intoPage ? " into the page" : " to the window"));
    Json actions = Json::array({EnterGame()});
    if (c.intoPage) actions.push_back(ClickIntoPage("game"));
    actions.push_back(Key("game", c.key));
    actions.push_back(Wait(50));
    SimRun run = Run(OnLoginSite(actions));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.Between(DocumentComplete("launcher", "about:blank"), kActionsDone), c.heard);
    EXPECT_EQ(run.State()["full_screen"], c.fullScreen);
    EXPECT_EQ(run.State()["launcher"], "hidden");
    EXPECT_NE(run.State()["game"], "hidden");
  }
}

TEST_F(GameWindowInputTest, F8TwiceLeavesFullScreenMaximised) {
  SimRun run = Run(OnLoginSite({EnterGame(), Key("game", "F8"), Key("game", "F8"), Wait(50)}));
  EXPECT_EQ(run.Between(DocumentComplete("launcher", "about:blank"), kActionsDone),
            (std::vector<std::string>{Show("game", "normal"), Show("game", "maximized")}));
  EXPECT_EQ(run.State()["full_screen"], false);
}

// Buttons 7 to 10 open the service, forum, official and top-up links; only
// web addresses reach the shell (the site's service link is a mail address
// and its official link is empty).
TEST_F(GameWindowInputTest, PortalButtonsOpenOnlyWebLinks) {
  const struct {
    int button;
    std::vector<std::string> heard;
  } cases[] = {
      {7, {}},
      {8, {ShellExecute("http://bbs.test/")}},
      {9, {}},
      {10, {ShellExecute("https://pay.test/")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    SimRun run = Run(OnLoginSite({EnterGame(), CaptionButton("game", c.button), Wait(50)}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.Between(DocumentComplete("launcher", "about:blank"), kActionsDone), c.heard);
    EXPECT_EQ(run.State()["game"], "maximized");
  }
}

}  // namespace
}  // namespace e2e
