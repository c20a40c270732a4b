// The scenario reader: what it accepts, and every refusal naming its place.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/api/user_constants.h"
#include "tools/sim/run.h"
#include "tools/sim/scenario.h"

namespace {

using sim::Action;
using sim::ParseScenario;
using sim::ScenarioError;

std::string RefusalOf(const std::string& json) {
  try {
    ParseScenario(json, ".");
  } catch (const ScenarioError& e) {
    return e.what();
  }
  return "(accepted)";
}

TEST(ScenarioTest, DefaultsAndAFullScenario) {
  sim::Scenario plain = ParseScenario("{}", ".");
  EXPECT_EQ(plain.program, "C:\\Games\\Tessal\\Tessal.exe");
  EXPECT_FALSE(plain.startPage.has_value());
  EXPECT_FALSE(plain.elevatedUser);
  EXPECT_EQ(plain.versionMajor, 10u);
  EXPECT_EQ(plain.screenWidth, 1920);

  sim::Scenario s = ParseScenario(R"({
    "program": "c:\\Play\\Game.exe", "start_page": "http://login.test/", "user": "elevated",
    "windows_version": "6.1", "screen": [1024, 768],
    "site": {"pages": {"http://login.test/": {"links": {"enter": "http://game.test/"}}}},
    "setup": {"registry": {"Tessal": "C:\\Tessal.exe"},
              "cache": [{"url": "Cookie:p@x/", "cookie": true}],
              "desktop_files": ["a.lnk", "f/"], "cache_files": {"readonly": ["r.txt"]}},
    "actions": [
      {"action": "key", "window": "game", "key": "Ctrl+Shift+N", "at": 2500},
      {"action": "menu", "item": "全屏"}, {"action": "menu", "item": 32771}, {"action": "menu", "item": null},
      {"action": "syscommand", "window": "launcher", "command": "minimize"},
      {"action": "post", "window": "launcher", "message": 1026, "wparam": 100, "lparam": -1},
      {"action": "drag", "window": "game", "from": [10, 5], "to": [200, -40]}
    ]})", ".");
  EXPECT_EQ(s.program, "c:\\Play\\Game.exe");
  EXPECT_EQ(s.startPage, "http://login.test/");
  EXPECT_TRUE(s.elevatedUser);
  EXPECT_EQ(s.versionMajor, 6u);
  EXPECT_EQ(s.versionMinor, 1u);
  EXPECT_EQ(s.workArea[3], 728);  // the screen less a taskbar, unless given
  EXPECT_EQ(s.site.pages.at("http://login.test/").links.at("enter"), "http://game.test/");
  EXPECT_TRUE(s.cache.at(0).cookie);
  ASSERT_EQ(s.desktopFiles.size(), 2u);
  EXPECT_TRUE(s.desktopFiles[1].folder);
  EXPECT_EQ(s.desktopFiles[1].path, "f");
  EXPECT_TRUE(s.cacheFiles.at(0).readOnly);
  ASSERT_EQ(s.actions.size(), 7u);
  EXPECT_EQ(s.actions[0].at, 2500u);
  EXPECT_TRUE(s.actions[0].key.ctrl && s.actions[0].key.shift && !s.actions[0].key.alt);
  EXPECT_EQ(s.actions[0].key.virtualKey, 'N');
  EXPECT_EQ(s.actions[1].text, "全屏");
  EXPECT_EQ(s.actions[2].number, 32771u);
  EXPECT_TRUE(s.actions[3].dismiss);
  EXPECT_EQ(s.actions[4].number, static_cast<std::uint32_t>(SC_MINIMIZE));
  EXPECT_EQ(s.actions[5].lparam, -1);
  EXPECT_EQ(s.actions[6].to.y, -40);
}

TEST(ScenarioTest, MalformedScenariosAreRefusedNamingThePlace) {
  const struct {
    const char* json;
    const char* refusal;
  } cases[] = {
      {"[1]", "scenario: must be an object"},
      {R"({"programme": "x"})", "scenario: unknown field \"programme\""},
      {R"({"program": "Tessal.exe"})", "program: must be a Windows path on drive C:"},
      {R"({"program": "Z:\\etc\\Tessal.exe"})", "program: must be a Windows path on drive C:"},
      {R"({"program": "C:\\Games\\..\\..\\Tessal.exe"})", "program: must not climb out"},
      {R"({"program": "C:\\Games/../../Tessal.exe"})", "program: must not climb out"},
      {R"({"start_page": 7})", "start_page: must be a string"},
      {R"({"start_page": ""})", "start_page: must be an address of 1 to 259 bytes"},
      {R"({"user": "admin"})", "user: must be \"standard\" or \"elevated\""},
      {R"({"windows_version": "6"})", "windows_version: must be MAJOR.MINOR"},
      {R"({"windows_version": "6.1.7600"})", "windows_version: must be MAJOR.MINOR"},
      {R"({"screen": [800]})", "screen: must be [width, height]"},
      {R"({"work_area": [0, 0, 3000, 100]})", "work_area[2]: must be between 0 and 1920"},
      {R"({"work_area": [500, 0, 100, 100]})", "work_area: must have its left below its right"},
      {R"({"site": 3})", "site: must be a site object or the path of a site file"},
      {R"({"site": "no/such/site.json"})", "site: "},
      {R"({"setup": {"registry": {"Tessal": 1}}})", "setup.registry.Tessal: must be a string"},
      {R"({"setup": {"cache": [{"cookie": true}]}})", "setup.cache[0]: missing field \"url\""},
      {R"({"setup": {"desktop_files": ["../up.txt"]}})", "setup.desktop_files[0]: must stay inside"},
      {R"({"setup": {"cache_files": {"readonly": ["C:\\x"]}}})", "setup.cache_files.readonly[0]: must be a relative path"},
      {R"({"actions": {}})", "actions: must be a list of actions"},
      {R"({"actions": [{"window": "game"}]})", "actions[0]: missing field \"action\""},
      {R"({"actions": [{"action": "wait", "ms": 1}, {"action": "clik"}]})", "actions[1].action: unknown action \"clik\""},
      {R"({"actions": [{"action": "wait", "ms": -1}]})", "actions[0].ms: must be between 0 and"},
      {R"({"actions": [{"action": "wait", "ms": 1, "at": "soon"}]})", "actions[0].at: must be a whole number"},
      {R"({"actions": [1, 2, 3, {"action": "key", "window": "gme", "key": "F8"}]})", "actions[0]: must be an object"},
      {R"({"actions": [{"action": "key", "window": "gme", "key": "F8"}]})", "actions[0].window: unknown window \"gme\""},
      {R"({"actions": [{"action": "key", "window": "game", "key": "Hyper+F8"}]})", "actions[0].key: unknown key \"Hyper+F8\""},
      {R"({"actions": [{"action": "key", "window": "game", "key": "F13"}]})", "actions[0].key: unknown key \"F13\""},
      {R"({"actions": [{"action": "answer", "with": "maybe"}]})", "actions[0].with: must be \"ok\""},
      {R"({"actions": [{"action": "click_button", "window": "launcher"}]})", "actions[0]: missing field \"id\""},
      {R"({"actions": [{"action": "click_button", "window": "launcher", "id": 1000, "x": 1}]})", "actions[0]: unknown field \"x\""},
      {R"({"actions": [{"action": "menu", "item": 0}]})", "actions[0].item: must be between 1 and 65535"},
      {R"({"actions": [{"action": "syscommand", "window": "game", "command": "explode"}]})", "actions[0].command: unknown command \"explode\""},
      {R"({"actions": [{"action": "drag", "window": "game", "from": [1], "to": [2, 2]}]})", "actions[0].from: must be [x, y]"},
      {R"({"actions": [{"action": "screenshot", "file": ""}]})", "actions[0].file: must not be empty"},
      {R"({"actions": [{"action": "click_link", "window": "launcher", "link": ""}]})", "actions[0].link: must not be empty"},
  };
  for (const auto& c : cases) {
    std::string refusal = RefusalOf(c.json);
    EXPECT_EQ(refusal.rfind(c.refusal, 0), 0u) << c.json << "\n  gave: " << refusal;
  }
  EXPECT_EQ(RefusalOf("{\"actions\": [").rfind("not JSON: ", 0), 0u);
  // A start page of 259 bytes fits; 260 do not.
  EXPECT_EQ(RefusalOf("{\"start_page\": \"" + std::string(259, 'a') + "\"}"), "(accepted)");
  EXPECT_NE(RefusalOf("{\"start_page\": \"" + std::string(260, 'a') + "\"}"), "(accepted)");
}

TEST(ScenarioTest, TheCommandLineRefusesWithExitCodeTwo) {
  std::filesystem::path file = std::filesystem::temp_directory_path() / "tessal-sim-refused.json";
  std::ofstream(file) << R"({"actions": [{"action": "key", "window": "gme", "key": "F8"}]})";
  const char* argv[] = {"tessal-sim", file.c_str()};
  std::ostringstream out, err;
  EXPECT_EQ(sim::RunCommandLine(2, argv, out, err), sim::kRefused);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("actions[0].window: unknown window \"gme\""), std::string::npos) << err.str();
  std::filesystem::remove(file);

  const char* missing[] = {"tessal-sim", "/no/such/scenario.json"};
  EXPECT_EQ(sim::RunCommandLine(2, missing, out, err), sim::kRefused);
  const char* none[] = {"tessal-sim"};
  EXPECT_EQ(sim::RunCommandLine(1, none, out, err), sim::kRefused);
  const char* help[] = {"tessal-sim", "--help"};
  std::ostringstream usage;
  EXPECT_EQ(sim::RunCommandLine(2, help, usage, err), sim::kRunOk);
  EXPECT_NE(usage.str().find("usage: tessal-sim"), std::string::npos);
}

}  // namespace
