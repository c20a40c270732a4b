// The game window's settings menu on caption button 6: full screen, start
// on boot with its check mark, clearing the cache and refreshing the game.
#include "tests/e2e/sim_run.h"

#include <filesystem>

namespace e2e {
namespace {

using SettingsMenuTest = SimTest;

constexpr int kFullScreen = 32780;
constexpr int kStartOnBoot = 32781;
constexpr int kClearCache = 32782;
constexpr int kRefresh = 32783;
constexpr char kProgram[] = "C:\\Games\\Tessal\\Tessal.exe";

Json Choose(const Json& item) {
  return Json::array({ChooseMenuItem(item), CaptionButton("game", 6)});
}

Json Playing(std::initializer_list<Json> menuChoices) {
  Json actions = Json::array({EnterGame()});
  for (const Json& choice : menuChoices) {
    for (const Json& action : choice) actions.push_back(action);
  }
  actions.push_back(Wait(50));
  return actions;
}

TEST_F(SettingsMenuTest, FullScreenTogglesFromTheMenuAsF8Does) {
  SimRun once = Run(OnLoginSite(Playing({Choose(kFullScreen)})));
  EXPECT_TRUE(once.Has(Menu(Json::array(), kFullScreen)));
  EXPECT_EQ(once.State()["full_screen"], true);

  SimRun twice = Run(OnLoginSite(Playing({Choose("全屏 F8"), Choose(kFullScreen)})));
  EXPECT_EQ(twice.Count(Menu(Json::array(), kFullScreen)), 2);
  EXPECT_EQ(twice.State()["full_screen"], false);
  EXPECT_EQ(twice.State()["game"], "maximized");
}

TEST_F(SettingsMenuTest, AStandardUserCannotStartOnBoot) {
  Json scenario = OnLoginSite(Playing({Choose(kStartOnBoot), Choose(nullptr)}));
  SimRun run = Run(scenario);
  EXPECT_TRUE(run.HasInOrder({Menu(Json::array(), kStartOnBoot),
                              Box("Tessal", "权限不够，请用管理员权限运行程序！", "ok", true),
                              Menu(Json::array(), nullptr)}));
  for (const std::string& line : run.lines) {
    EXPECT_EQ(line.find(R"("event":"registry")"), std::string::npos) << line;
  }
  EXPECT_EQ(run.State()["auto_start"], 0);
}

// An elevated user sets the value, sees the check mark next time, and
// clears it from there.
TEST_F(SettingsMenuTest, AnElevatedUserSetsAndClearsStartOnBootWithItsCheckMark) {
  Json scenario =
      OnLoginSite(Playing({Choose(kStartOnBoot), Choose(kStartOnBoot), Choose(nullptr)}));
  scenario["user"] = "elevated";
  SimRun run = Run(scenario);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.Between(Show("launcher", "hidden"), kActionsDone),
            (std::vector<std::string>{
                Navigate("game", kGamePage, false),
                Navigate("launcher", "about:blank", false),
                Navigate("launcher", kGamePage, true),
                DocumentComplete("game", kGamePage),
                DocumentComplete("launcher", "about:blank"),
                Menu(Json::array(), kStartOnBoot),
                Registry("set", "Tessal", kProgram),
                Box("Tessal", "设置开机启动成功！", "ok", true),
                Menu(Json::array({"开机启动"}), kStartOnBoot),
                Registry("delete", "Tessal", nullptr),
                Box("Tessal", "关闭开机启动成功！", "ok", true),
                Menu(Json::array(), nullptr),
            }));
  EXPECT_EQ(run.State()["auto_start"], 0);
}

// The check mark follows what the program found at start, not the menu's
// own template.
TEST_F(SettingsMenuTest, TheCheckMarkShowsTheValueFoundAtStart) {
  const struct {
    bool valueThere;
    Json checked;
  } cases[] = {{true, Json::array({"开机启动"})}, {false, Json::array()}};
  for (const auto& c : cases) {
    FreshRoot();
    Json scenario = OnLoginSite(Playing({Choose(nullptr)}));
    if (c.valueThere) scenario["setup"] = {{"registry", {{"Tessal", kProgram}}}};
    SimRun run = Run(scenario);
    EXPECT_TRUE(run.Has(Menu(c.checked, nullptr))) << c.valueThere;
    EXPECT_EQ(run.State()["auto_start"], c.valueThere ? 1 : 0);
  }
}

TEST_F(SettingsMenuTest, ClearingTheCacheAsksFirstAndSaysWhenDone) {
  const std::string question = "确定要清理缓存吗？可能需要一些时间等待";
  for (const char* answer : {"yes", "no"}) {
    SCOPED_TRACE(answer);
    FreshRoot();
    Json scenario = OnLoginSite(Playing({Json::array({Answer(answer)}), Choose(kClearCache)}));
    scenario["setup"] = {{"cache", {{{"url", "http://login.test/logo.png"}}}},
                         {"cache_files", {"Content.IE5/", "Content.IE5/logo.png", "desktop.ini"}}};
    SimRun run = Run(scenario);
    EXPECT_EQ(run.status, 0);
    bool yes = std::string(answer) == "yes";
    std::vector<std::string> boxes = {Box("", question.c_str(), answer)};
    if (yes) boxes.push_back(Box("Tessal", "缓存清理好了！", "ok", true));
    EXPECT_EQ(run.Between(Menu(Json::array(), kClearCache), kActionsDone), boxes);
    EXPECT_EQ(std::filesystem::exists(CacheFolder() / "Content.IE5/logo.png"), !yes);
    EXPECT_TRUE(std::filesystem::exists(CacheFolder() / "desktop.ini"));
  }
}

// Refresh opens the address the game was handed, not where its page went.
TEST_F(SettingsMenuTest, RefreshReopensTheGameAddress) {
  Json actions = Playing({});
  actions.insert(actions.end() - 1, ClickLink("game", "next"));
  for (const Json& action : Choose(kRefresh)) actions.insert(actions.end() - 1, action);
  SimRun run = Run(OnLoginSite(actions));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.Between(DocumentComplete("game", kNextGamePage), kActionsDone),
            (std::vector<std::string>{Menu(Json::array(), kRefresh),
                                      Navigate("game", kGamePage, false),
                                      DocumentComplete("game", kGamePage)}));
}

}  // namespace
}  // namespace e2e
