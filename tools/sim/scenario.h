// A tessal-sim scenario: the machine before the program starts (the program
// file and its start page, the user, the Windows version, the screen, the
// operator's site, registry values, cache entries and files) and what the
// player does, in order. Read from JSON; anything malformed is refused
// with a message that names its place ("actions[3].window: ...").
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/desktop/web/scripted_site.h"

namespace sim {

class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Point {
  int x = 0;
  int y = 0;
};

// A key as the user presses it: modifiers held around one key.
struct KeyChord {
  int virtualKey = 0;
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
};

struct Action {
  enum class Kind {
    kWait,
    kClickButton,
    kClickLink,
    kKey,
    kAnswer,
    kMenu,
    kCaptionButton,
    kTrayClick,
    kSysCommand,
    kPost,
    kRegistryDelete,
    kDrag,
    kScreenshot,
  };
  Kind kind = Kind::kWait;
  std::optional<std::uint32_t> at;  // virtual milliseconds since start
  std::string window;               // "launcher", "game" or "about"
  std::uint32_t number = 0;         // ms, control or button id, answer, command, message
  std::string text;                 // link, menu item text, registry value name, file (UTF-8)
  bool dismiss = false;             // menu: no item, the menu is dismissed
  KeyChord key;
  std::int64_t wparam = 0;
  std::int64_t lparam = 0;
  Point from, to;
};

struct CacheEntry {
  std::string url;  // UTF-8
  bool cookie = false;
};

// Files or folders ("ends/in/slash/") under one of the profile's folders.
struct FileEntry {
  std::string path;  // relative, '/' separated, UTF-8
  bool folder = false;
  bool readOnly = false;
};

struct Scenario {
  std::string program = "C:\\Games\\Tessal\\Tessal.exe";  // UTF-8
  std::optional<std::string> startPage;                   // UTF-8; none: no record
  bool elevatedUser = false;
  std::uint32_t versionMajor = 10;
  std::uint32_t versionMinor = 0;
  int screenWidth = 1920;
  int screenHeight = 1080;
  int workArea[4] = {0, 0, 1920, 1040};  // left, top, right, bottom
  desktop::web::ScriptedSite site;
  std::vector<std::pair<std::string, std::string>> runValues;  // name, data (UTF-8)
  std::vector<CacheEntry> cache;
  std::vector<FileEntry> cacheFiles;
  std::vector<FileEntry> desktopFiles;
  std::vector<Action> actions;
};

// `baseFolder` resolves a site given as a file path.
Scenario ParseScenario(const std::string& json, const std::string& baseFolder);
Scenario LoadScenario(const std::string& path);

}  // namespace sim
