// Back from the game to the launcher: the close confirmation, the message
// that hands over, the second hand-off into the same window, and full
// screen kept across the return.
#include "tests/e2e/sim_run.h"

namespace e2e {
namespace {

using ReturnToLauncherTest = SimTest;

Json Actions(std::initializer_list<Json> groups) {
  Json actions = Json::array();
  for (const Json& group : groups) {
    if (group.is_array()) {
      for (const Json& action : group) actions.push_back(action);
    } else {
      actions.push_back(group);
    }
  }
  return actions;
}

TEST_F(ReturnToLauncherTest, YesReturnsToTheStartPageAndTheNextGameReusesTheWindow) {
  SimRun run = Run(OnLoginSite(Actions({EnterGame(), CloseGame("yes"), EnterGame(-1), Wait(50)})));
  EXPECT_EQ(run.status, 0);
  const std::string question = Box("", kCloseGameQuestion, "yes");
  EXPECT_EQ(run.Between(question, kActionsDone),
            (std::vector<std::string>{
                // The game page stopped, the window hidden, the launcher
                // back on its start page.
                Navigate("game", "about:blank", false),
                Show("game", "hidden"),
                Show("launcher", "normal"),
                Navigate("launcher", kLoginPage, false),
                DocumentComplete("game", "about:blank"),
                R"({"event":"navigate","window":"launcher","url":"http://login.test/notice.html","cancelled":false,"frame":true})",
                R"({"event":"document_complete","window":"launcher","url":"http://login.test/notice.html","frame":true})",
                DocumentComplete("launcher", kLoginPage),
                // The second hand-off: the same window, maximised again.
                Show("game", "maximized"),
                Show("launcher", "hidden"),
                Navigate("game", kGamePage, false),
                Navigate("launcher", "about:blank", false),
                Navigate("launcher", kGamePage, true),
                DocumentComplete("game", kGamePage),
                DocumentComplete("launcher", "about:blank"),
            }));
  EXPECT_EQ(run.State()["game_title"], "Qorvan s12");
}

// Every way of closing the game window asks first; only yes hands back.
TEST_F(ReturnToLauncherTest, EveryCloseAsksAndOnlyYesHandsBack) {
  const struct {
    const char* how;
    Json close;
  } ways[] = {
      {"caption button", CaptionButton("game", 1)},
      {"Alt+F4", Key("game", "Alt+F4")},
      {"window menu's Close", SysCommand("game", "close")},
  };
  for (const auto& way : ways) {
    for (const char* answer : {"yes", "no"}) {
      SCOPED_TRACE(std::string(way.how) + ", " + answer);
      bool yes = std::string(answer) == "yes";
      SimRun run = Run(OnLoginSite(Actions({EnterGame(), Answer(answer), way.close, Wait(50)})));
      EXPECT_EQ(run.status, 0);
      EXPECT_EQ(run.Count(Box("", kCloseGameQuestion, answer)), 1);
      EXPECT_EQ(run.Count(Show("launcher", "normal")), yes ? 2 : 1);
      Json state = run.State();
      EXPECT_EQ(state["game"], yes ? "hidden" : "maximized");
      EXPECT_EQ(state["launcher"], yes ? "normal" : "hidden");
      // The start page comes back once more only after yes.
      EXPECT_EQ(run.Count(DocumentComplete("launcher", kLoginPage)), yes ? 2 : 1);
    }
  }
}

// Only the message with both parameters 100 brings the launcher back,
// also while the launcher is showing already.
TEST_F(ReturnToLauncherTest, TheReturnMessageNeedsBothParametersAtOneHundred) {
  constexpr int kReturnToLauncher = 0x0400 + 2;
  const struct {
    int wparam;
    int lparam;
    bool returns;
  } cases[] = {{100, 100, true}, {100, 0, false}, {0, 100, false}, {101, 100, false},
               {100, 99, false}, {0, 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.wparam) + ", " + std::to_string(c.lparam));
    Json post = Post("launcher", kReturnToLauncher, c.wparam, c.lparam);
    SimRun playing = Run(OnLoginSite(Actions({EnterGame(), post, Wait(50)})));
    Json state = playing.State();
    EXPECT_EQ(state["launcher"], c.returns ? "normal" : "hidden");
    EXPECT_EQ(state["game"], c.returns ? "hidden" : "maximized");
    EXPECT_EQ(playing.Has(Navigate("game", "about:blank", false)), c.returns);

    // On the login page already, without a game window: the start page
    // opens again.
    post["at"] = 1500;
    SimRun waiting = Run(OnLoginSite(Actions({post, Wait(50)})));
    EXPECT_EQ(waiting.Count(Navigate("launcher", kLoginPage, false)), c.returns ? 2 : 1);
    EXPECT_EQ(waiting.State()["game"], nullptr);
  }
}

TEST_F(ReturnToLauncherTest, FullScreenLastsAcrossAReturnUntilTheNextF8) {
  SimRun run = Run(OnLoginSite(Actions({EnterGame(), Key("game", "F8"), CloseGame("yes"),
                                        EnterGame(-1), Wait(50)})));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.State()["full_screen"], true);
  EXPECT_EQ(run.State()["game"], "maximized");

  SimRun leaving = Run(OnLoginSite(Actions({EnterGame(), Key("game", "F8"), CloseGame("yes"),
                                            EnterGame(-1), Key("game", "F8"), Wait(50)})));
  EXPECT_EQ(leaving.status, 0);
  EXPECT_EQ(leaving.State()["full_screen"], false);
  EXPECT_EQ(leaving.State()["game"], "maximized");
}

// Coming back from a game on a start page without a server name forgets
// the game's.
TEST_F(ReturnToLauncherTest, TheStartPageEmptiesTheServerNameAgain) {
  SimRun run = Run(OnLoginSite(Actions({EnterGame(), CloseGame("yes"), Wait(50)})));
  EXPECT_EQ(run.State()["server_name"], "");
  EXPECT_EQ(run.State()["game_title"], "Qorvan ");
}

}  // namespace
}  // namespace e2e
