#include "tests/e2e/sim_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace e2e {

const char kCloseGameQuestion[] = "是否要关闭游戏";
const char kActionsDone[] = R"({"event":"actions_done"})";
const char kCleanExit[] = R"({"event":"exit","gdi_objects_left":0,"windows_left":0})";

bool SimRun::Has(const std::string& line) const { return Find(line) != std::string::npos; }

int SimRun::Count(const std::string& line) const {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

std::size_t SimRun::Find(const std::string& line, std::size_t from) const {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (lines[i] == line) return i;
  }
  return std::string::npos;
}

bool SimRun::HasInOrder(const std::vector<std::string>& wanted) const {
  std::size_t at = 0;
  for (const std::string& line : wanted) {
    std::size_t found = Find(line, at);
    if (found == std::string::npos) return false;
    at = found + 1;
  }
  return true;
}

std::vector<std::string> SimRun::Between(const std::string& line, const std::string& end) const {
  std::size_t from = Find(line);
  if (from == std::string::npos) return {"(no line " + line + ")"};
  std::size_t to = Find(end, from + 1);
  if (to == std::string::npos) return {"(no line " + end + ")"};
  return std::vector<std::string>(lines.begin() + static_cast<long>(from) + 1,
                                  lines.begin() + static_cast<long>(to));
}

Json SimRun::State() const {
  if (lines.empty()) return Json();
  Json state = Json::parse(lines.back(), nullptr, false);
  return state.is_object() && state.value("event", "") == "state" ? state : Json();
}

void SimTest::SetUp() {
  folder_ = std::filesystem::temp_directory_path() /
            ("tessal-e2e-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_ / "root");
}

void SimTest::FreshRoot() {
  std::filesystem::remove_all(folder_ / "root");
  std::filesystem::create_directories(folder_ / "root");
}

void SimTest::TearDown() { std::filesystem::remove_all(folder_); }

SimRun SimTest::Run(const Json& scenario, bool withTimes) {
  std::filesystem::path file = folder_ / "scenario.json";
  std::ofstream(file) << scenario.dump(2);
  std::string command = std::string(TESSAL_SIM) + " --root '" + (folder_ / "root").string() +
                        "' " + (withTimes ? "--times " : "") + "'" + file.string() + "'";
  SimRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  std::string line;
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c == '\n') run.lines.push_back(std::move(line)), line.clear();
    else line.push_back(static_cast<char>(c));
  }
  int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::filesystem::path SimTest::CacheFolder() const {
  return folder_ / "root/c/users/player/AppData/Local/Microsoft/Windows/Temporary Internet Files";
}

Json LoginSite() {
  return Json{{"pages",
               {{kLoginPage,
                 {{"frames", {"http://login.test/notice.html"}},
                  {"functions",
                   {{"loginPayUrl", "https://pay.test/"},
                    {"loginForumUrl", "http://bbs.test/"},
                    {"loginServiceUrl", "mailto:service@login.test"},
                    {"loginOfficalUrl", ""}}},
                  {"links", {{"enter", kGamePage}}}}},
                {"http://login.test/notice.html", Json::object()},
                {kGamePage,
                 {{"links", {{"next", kNextGamePage}}}, {"on_enter", kEnteredGamePage}}},
                {kNextGamePage, Json::object()},
                {kEnteredGamePage, Json::object()}}}};
}

Json OnLoginSite(Json actions) {
  return Json{{"start_page", kLoginPage}, {"site", LoginSite()}, {"actions", std::move(actions)}};
}

Json Wait(int ms) { return Json{{"action", "wait"}, {"ms", ms}}; }

Json ClickLink(const char* window, const char* link, int at) {
  Json action{{"action", "click_link"}, {"window", window}, {"link", link}};
  if (at >= 0) action["at"] = at;
  return action;
}

Json EnterGame(int at) { return ClickLink("launcher", "enter", at); }

Json ClickButton(const char* window, int id) {
  return Json{{"action", "click_button"}, {"window", window}, {"id", id}};
}

Json Key(const char* window, const char* key) {
  return Json{{"action", "key"}, {"window", window}, {"key", key}};
}

Json Answer(const char* with) { return Json{{"action", "answer"}, {"with", with}}; }

Json ChooseMenuItem(const Json& item) { return Json{{"action", "menu"}, {"item", item}}; }

Json CaptionButton(const char* window, int id) {
  return Json{{"action", "caption_button"}, {"window", window}, {"id", id}};
}

Json Post(const char* window, int message, int wparam, int lparam) {
  return Json{{"action", "post"}, {"window", window}, {"message", message},
              {"wparam", wparam}, {"lparam", lparam}};
}

Json SysCommand(const char* window, const char* command) {
  return Json{{"action", "syscommand"}, {"window", window}, {"command", command}};
}

Json ClickIntoPage(const char* window) {
  return Json{{"action", "drag"}, {"window", window}, {"from", {600, 400}}, {"to", {600, 400}}};
}

Json CloseGame(const char* answer) {
  return Json::array({Answer(answer), CaptionButton("game", 1), Wait(50)});
}

std::string Navigate(const char* window, const std::string& url, bool cancelled) {
  return Json{{"event", "navigate"}, {"window", window}, {"url", url}, {"cancelled", cancelled}}
      .dump();
}

std::string DocumentComplete(const char* window, const std::string& url) {
  return Json{{"event", "document_complete"}, {"window", window}, {"url", url}}.dump();
}

std::string Show(const char* window, const char* state) {
  return Json{{"event", "show"}, {"window", window}, {"state", state}}.dump();
}

std::string Box(const char* caption, const char* text, const char* answer, bool byDefault) {
  Json line{{"event", "message_box"}, {"caption", caption}, {"text", text}, {"answer", answer}};
  if (byDefault) line["by_default"] = true;
  return line.dump();
}

std::string ShellExecute(const std::string& file) {
  return Json{{"event", "shell_execute"}, {"verb", nullptr}, {"file", file}}.dump();
}

std::string Registry(const char* op, const char* name, const Json& data) {
  return Json{{"event", "registry"}, {"op", op}, {"name", name}, {"data", data}}.dump();
}

std::string Menu(const Json& checked, const Json& chosen) {
  return Json{{"event", "menu"},
              {"window", "game"},
              {"items", {"全屏 F8", "开机启动", "清理缓存", "刷新"}},
              {"checked", checked},
              {"chosen", chosen}}
      .dump();
}

}  // namespace e2e
