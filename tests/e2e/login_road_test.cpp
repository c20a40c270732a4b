// A login from the start to the game page: the start page a second after
// start, the portal links read from it, the game address handed over to
// the game window, and the server name taken from that address.
#include "tests/e2e/sim_run.h"

namespace e2e {
namespace {

using LoginRoadTest = SimTest;

TEST_F(LoginRoadTest, FromStartToTheGamePageInTheGameWindow) {
  SimRun run = Run(OnLoginSite({EnterGame(1500), Wait(100)}), true);
  EXPECT_EQ(run.status, 0);
  // Nothing happens in the launcher's page before the timer's first tick.
  EXPECT_EQ(run.Between(R"({"event":"show","t":0,"window":"launcher","state":"normal"})",
                        R"({"event":"actions_done","t":1600})"),
            (std::vector<std::string>{
                R"({"event":"navigate","t":1000,"window":"launcher","url":"http://login.test/index.html","cancelled":false})",
                R"({"event":"navigate","t":1000,"window":"launcher","url":"http://login.test/notice.html","cancelled":false,"frame":true})",
                R"({"event":"document_complete","t":1000,"window":"launcher","url":"http://login.test/notice.html","frame":true})",
                R"({"event":"document_complete","t":1000,"window":"launcher","url":"http://login.test/index.html"})",
                // The hand-off, inside the launcher's before-navigate: the
                // game window shown, the launcher hidden, the game address
                // opened there and the launcher's page blanked, and then
                // the launcher's own navigation to it cancelled.
                R"({"event":"show","t":1500,"window":"game","state":"maximized"})",
                R"({"event":"show","t":1500,"window":"launcher","state":"hidden"})",
                R"({"event":"navigate","t":1500,"window":"game","url":"http://game.test/play.html?server_name=s12&client=1","cancelled":false})",
                R"({"event":"navigate","t":1500,"window":"launcher","url":"about:blank","cancelled":false})",
                R"({"event":"navigate","t":1500,"window":"launcher","url":"http://game.test/play.html?server_name=s12&client=1","cancelled":true})",
                R"({"event":"document_complete","t":1500,"window":"game","url":"http://game.test/play.html?server_name=s12&client=1"})",
                R"({"event":"document_complete","t":1500,"window":"launcher","url":"about:blank"})",
            }));
  EXPECT_EQ(run.lines.back(),
            R"({"event":"state","t":1600,"server_name":"s12","pay_url":"https://pay.test/",)"
            R"("forum_url":"http://bbs.test/","service_url":"mailto:service@login.test",)"
            R"("official_url":"","auto_start":0,"full_screen":false,"game_title":"Qorvan s12",)"
            R"("launcher":"hidden","game":"maximized"})");
}

// Every navigation of the login page names the server anew; an address
// with "client=1" anywhere in it is the game's.
TEST_F(LoginRoadTest, TheAddressDecidesTheServerNameAndTheHandOff) {
  const struct {
    const char* address;
    const char* serverName;
    bool handedOver;
  } cases[] = {
      {"http://game.test/a.html?server_name=s12&client=1", "s12", true},
      {"http://game.test/a.html?client=1&server_name=s12", "s12", true},
      {"http://game.test/a.html?client=1", "", true},
      {"http://game.test/a.html?client=1&server_name=", "", true},
      {"http://game.test/a.html?client=1&server_name=s7#top", "s7#top", true},
      {"http://game.test/a.html?server_name=s3&client=10", "s3", true},
      {"http://game.test/a.html?server_name=s3&myclient=1", "s3", true},
      {"http://game.test/a.html?myserver_name=m5&client=1", "m5", true},
      {"http://game.test/a.html?server_name=a&server_name=b&client=1", "a", true},
      {"http://game.test/a.html?server_name=%E5%8C%BA&client=1", "%E5%8C%BA", true},
      {"http://game.test/a.html?server_name=s3&client=2", "s3", false},
      {"http://game.test/a.html?server_name=s3&Client=1", "s3", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    Json scenario{{"start_page", kLoginPage},
                  {"site", {{"pages", {{kLoginPage, {{"links", {{"go", c.address}}}}}}}}},
                  {"actions", {ClickLink("launcher", "go", 1500), Wait(100)}}};
    SimRun run = Run(scenario);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.Has(Navigate("launcher", c.address, c.handedOver)));
    EXPECT_EQ(run.Has(Navigate("game", c.address, false)), c.handedOver);
    Json state = run.State();
    EXPECT_EQ(state["server_name"], c.serverName);
    if (c.handedOver) {
      EXPECT_EQ(state["game"], "maximized");
      EXPECT_EQ(state["launcher"], "hidden");
      EXPECT_EQ(state["game_title"], std::string("Qorvan ") + c.serverName);
    } else {
      EXPECT_EQ(state["game"], nullptr);
      EXPECT_EQ(state["launcher"], "normal");
    }
  }
}

// The links come from the first completed start page only: not from the
// page it moves on to, not from the start page seen again after a game,
// though the operator's server sends other links by then.
TEST_F(LoginRoadTest, PortalLinksAreReadOnceFromTheFirstStartPage) {
  const std::string variant = "http://login.test/variant.html";
  auto functions = [](const std::string& visit) {
    return Json{{"loginPayUrl", "https://pay.test/" + visit},
                {"loginForumUrl", "https://bbs.test/" + visit},
                {"loginServiceUrl", "https://kf.test/" + visit},
                {"loginOfficalUrl", "https://www.test/" + visit}};
  };
  Json first = functions("first");
  first["loginServiceUrl"] = 42;
  first["loginOfficalUrl"] = {{"throws", "no official site"}};
  Json site{{"pages",
             {{kLoginPage,
               {{"functions", first},
                {"on_load", variant},
                {"revisit", {{"functions", functions("again")}, {"links", {{"enter", kGamePage}}}}}}},
              {variant, {{"functions", functions("variant")}, {"links", {{"enter", kGamePage}}}}},
              {kGamePage, Json::object()}}}};
  Json actions = {EnterGame(1500)};
  for (const Json& step : CloseGame("yes")) actions.push_back(step);
  actions.push_back(EnterGame(-1));
  actions.push_back(Wait(100));
  SimRun run = Run(Json{{"start_page", kLoginPage}, {"site", site}, {"actions", actions}});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.Count(DocumentComplete("launcher", kLoginPage)), 2);
  EXPECT_EQ(run.Count(DocumentComplete("launcher", variant)), 1);
  Json state = run.State();
  EXPECT_EQ(state["pay_url"], "https://pay.test/first");
  EXPECT_EQ(state["forum_url"], "https://bbs.test/first");
  EXPECT_EQ(state["service_url"], "");   // a number is no link
  EXPECT_EQ(state["official_url"], "");  // nor is a script error
  EXPECT_EQ(state["game"], "maximized");
}

}  // namespace
}  // namespace e2e
