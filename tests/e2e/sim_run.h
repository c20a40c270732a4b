// Runs tessal-sim on a scenario over the real program and reads back its
// transcript; the lines the end-to-end tests expect, written as the tool
// writes them; the operator's test site and the player's actions.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace e2e {

using Json = nlohmann::ordered_json;

struct SimRun {
  int status = -1;
  std::vector<std::string> lines;

  bool Has(const std::string& line) const;
  int Count(const std::string& line) const;
  // The position of the first such line at or after `from`; npos if none.
  std::size_t Find(const std::string& line, std::size_t from = 0) const;
  // The wanted lines appear in this order (others may come between).
  bool HasInOrder(const std::vector<std::string>& wanted) const;
  // The lines after the first `line` (exclusive) up to the first `end`.
  std::vector<std::string> Between(const std::string& line, const std::string& end) const;
  // The last line, the program's state, parsed.
  Json State() const;
};

// Every test gets a root folder of its own (drive C: and the registry).
class SimTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  SimRun Run(const Json& scenario, bool withTimes = false);
  std::filesystem::path CacheFolder() const;
  // Another machine for the next run: no files, no registry.
  void FreshRoot();

  std::filesystem::path folder_;
};

// The operator's site: the login page with its four functions, a notice
// frame and links into the game, and the game pages.
constexpr char kLoginPage[] = "http://login.test/index.html";
constexpr char kGamePage[] = "http://game.test/play.html?server_name=s12&client=1";
constexpr char kNextGamePage[] = "http://game.test/next.html";
constexpr char kEnteredGamePage[] = "http://game.test/entered.html";
Json LoginSite();
// A scenario on the login site, the player's actions given.
Json OnLoginSite(Json actions);

// The player's actions.
Json Wait(int ms);
Json ClickLink(const char* window, const char* link, int at = -1);
Json EnterGame(int at = 1500);  // the login page's "enter" link
Json ClickButton(const char* window, int id);
Json Key(const char* window, const char* key);
Json Answer(const char* with);
Json ChooseMenuItem(const Json& item);
Json CaptionButton(const char* window, int id);
Json Post(const char* window, int message, int wparam, int lparam);
Json SysCommand(const char* window, const char* command);
// A click into the page shown in the window, which gives it the keyboard.
Json ClickIntoPage(const char* window);
// Close button of the game window, answered.
Json CloseGame(const char* answer);

// Transcript lines, as the tool writes them.
std::string Navigate(const char* window, const std::string& url, bool cancelled);
std::string DocumentComplete(const char* window, const std::string& url);
std::string Show(const char* window, const char* state);
std::string Box(const char* caption, const char* text, const char* answer, bool byDefault = false);
std::string ShellExecute(const std::string& file);
std::string Registry(const char* op, const char* name, const Json& data);
std::string Menu(const Json& checked, const Json& chosen);
extern const char kCloseGameQuestion[];
extern const char kActionsDone[];
extern const char kCleanExit[];

}  // namespace e2e
