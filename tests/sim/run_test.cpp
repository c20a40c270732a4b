// Whole runs of tessal-sim over the real program, as a user runs the tool:
// the transcript's lines in order, actions that cannot be done reported
// while the run goes on, screenshots written, the exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
  int status = -1;
  std::vector<std::string> lines;
};

class RunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("tessal-sim-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "root");
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  Outcome Run(const std::string& scenario, const std::string& options = "") {
    std::filesystem::path file = folder_ / "scenario.json";
    std::ofstream(file) << scenario;
    std::string command = std::string(TESSAL_SIM) + " --root " + (folder_ / "root").string() +
                          " " + options + " " + file.string() + " 2>/dev/null";
    Outcome outcome;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return outcome;
    std::string line;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
      if (c == '\n') outcome.lines.push_back(std::move(line)), line.clear();
      else line.push_back(static_cast<char>(c));
    }
    int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
  }

  std::filesystem::path folder_;
};

constexpr char kQuickLaunchLink[] =
    R"({"event":"file","op":"write","path":"c/users/player/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch/Tessal.lnk"})";

TEST_F(RunTest, TheProgramsRoadFromStartToAltF4) {
  std::string shot = (folder_ / "launcher.png").string();
  Outcome run = Run(R"({
    "start_page": "http://login.test/登录.html", "windows_version": "6.1", "user": "elevated",
    "site": {"pages": {"http://login.test/登录.html": {}}},
    "setup": {"registry": {"Tessal": "C:\\Games\\Tessal\\Tessal.exe"}},
    "actions": [
      {"action": "wait", "ms": 1500},
      {"action": "screenshot", "file": ")" + shot + R"("},
      {"action": "key", "window": "launcher", "key": "Esc"},
      {"action": "key", "window": "launcher", "key": "Alt+F4", "at": 3000},
      {"action": "wait", "ms": 1000}
    ]})", "--times");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.lines, (std::vector<std::string>{
      R"({"event":"start","t":0,"program":"C:\\Games\\Tessal\\Tessal.exe","start_page":"http://login.test/登录.html"})",
      R"({"event":"file","t":0,"op":"write","path":"c/users/player/Desktop/Tessal.lnk"})",
      R"({"event":"shell_execute","t":0,"verb":"taskbarpin","file":"C:\\users\\player\\Desktop\\Tessal.lnk"})",
      R"({"event":"file","t":0,"op":"write","path":"c/users/player/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch/Tessal.lnk"})",
      R"({"event":"show","t":0,"window":"launcher","state":"normal"})",
      R"({"event":"navigate","t":1000,"window":"launcher","url":"http://login.test/登录.html","cancelled":false})",
      R"({"event":"document_complete","t":1000,"window":"launcher","url":"http://login.test/登录.html"})",
      R"({"event":"screenshot","t":1500,"file":")" + shot + R"("})",
      R"({"event":"exit","t":3000,"gdi_objects_left":0,"windows_left":0})",
      R"({"event":"state","t":3000,"server_name":"","pay_url":"","forum_url":"","service_url":"",)"
      R"("official_url":"","auto_start":1,"full_screen":false,"game_title":null,"launcher":"normal","game":null})",
  }));
  std::ifstream png(shot, std::ios::binary);
  char signature[8] = {};
  png.read(signature, sizeof signature);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST_F(RunTest, ActionsThatCannotBeDoneAreReportedAndTheRunGoesOn) {
  Outcome run = Run(R"({
    "start_page": "http://login.test/",
    "setup": {"desktop_files": ["Tessal.lnk"]},
    "actions": [
      {"action": "click_link", "window": "game", "link": "enter"},
      {"action": "click_link", "window": "launcher", "link": "enter"},
      {"action": "caption_button", "window": "launcher", "id": 6},
      {"action": "click_button", "window": "launcher", "id": 4242},
      {"action": "registry_delete", "name": "Tessal"},
      {"action": "tray_click"},
      {"action": "screenshot", "file": "/no/such/folder/shot.png"},
      {"action": "syscommand", "window": "about", "command": "close"},
      {"action": "syscommand", "window": "launcher", "command": "close", "at": 2000}
    ]})");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.lines, (std::vector<std::string>{
      R"({"event":"start","program":"C:\\Games\\Tessal\\Tessal.exe","start_page":"http://login.test/"})",
      kQuickLaunchLink,  // the desktop has its shortcut already
      R"({"event":"show","window":"launcher","state":"normal"})",
      R"({"event":"error","action":0,"message":"no window \"game\""})",
      R"({"event":"error","action":1,"message":"no link \"enter\" on the page in \"launcher\""})",
      R"({"event":"error","action":2,"message":"no caption button 6 shown in \"launcher\""})",
      R"({"event":"error","action":3,"message":"no control 4242 shown in \"launcher\""})",
      R"({"event":"error","action":4,"message":"no value \"Tessal\" in the Run key"})",
      R"({"event":"error","action":5,"message":"no notification icon"})",
      R"({"event":"error","action":6,"message":"cannot write \"/no/such/folder/shot.png\""})",
      R"({"event":"error","action":7,"message":"no window \"about\""})",
      R"({"event":"navigate","window":"launcher","url":"http://login.test/","cancelled":false})",
      R"({"event":"document_complete","window":"launcher","url":"http://login.test/"})",
      R"({"event":"exit","gdi_objects_left":0,"windows_left":0})",
      R"({"event":"state","server_name":"","pay_url":"","forum_url":"","service_url":"",)"
      R"("official_url":"","auto_start":0,"full_screen":false,"game_title":null,"launcher":"normal","game":null})",
  }));
}

TEST_F(RunTest, WhenTheActionsRunOutTheRunEndsAndSaysSo) {
  Outcome run = Run(R"({"actions": [{"action": "wait", "ms": 500}]})");
  EXPECT_EQ(run.status, 0);
  ASSERT_GE(run.lines.size(), 4u);
  EXPECT_EQ(run.lines.front(),
            R"({"event":"start","program":"C:\\Games\\Tessal\\Tessal.exe","start_page":null})");
  EXPECT_EQ(run.lines[run.lines.size() - 3], R"({"event":"actions_done"})");
  EXPECT_EQ(run.lines[run.lines.size() - 2], R"({"event":"exit","gdi_objects_left":0,"windows_left":0})");
  EXPECT_EQ(run.lines.back().rfind(R"({"event":"state",)", 0), 0u);
}

// Without a start page the program says so in a box: answered as queued,
// or by its default button; a message posted to the launcher reaches it.
TEST_F(RunTest, BoxesTakeTheQueuedAnswerOrTheirDefaultAndPostedMessagesArrive) {
  const struct {
    const char* answer;
    const char* line;
  } cases[] = {
      {R"({"action": "answer", "with": "ok"},)",
       R"({"event":"message_box","t":1000,"caption":"Tessal","text":"当前没有配置内嵌页路径","answer":"ok"})"},
      {"",
       R"({"event":"message_box","t":1000,"caption":"Tessal","text":"当前没有配置内嵌页路径","answer":"ok","by_default":true})"},
  };
  for (const auto& c : cases) {
    Outcome run = Run(std::string(R"({"actions": [)") + c.answer + R"(
        {"action": "post", "window": "launcher", "message": 16, "at": 2600},
        {"action": "wait", "ms": 5000}]})", "--times");
    EXPECT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 3u);
    EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), c.line), 1);
    EXPECT_EQ(run.lines[run.lines.size() - 2], R"({"event":"exit","t":2600,"gdi_objects_left":0,"windows_left":0})");
  }
}

TEST_F(RunTest, AMalformedScenarioIsRefusedBeforeAnythingRuns) {
  Outcome run = Run(R"({"actions": [{"action": "key", "window": "gme", "key": "F8"}]})");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.lines.empty());
}

}  // namespace
