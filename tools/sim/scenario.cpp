#include "tools/sim/scenario.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "app/start_page_format.h"
#include "platform/api/user_constants.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/script.h"
#include "tools/sim/window_names.h"

namespace sim {
namespace {

using Json = nlohmann::json;

[[noreturn]] void Refuse(const std::string& place, const std::string& why) {
  throw ScenarioError(place + ": " + why);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void RequireObject(const Json& value, const std::string& place) {
  if (!value.is_object()) Refuse(place, "must be an object");
}

// Refuses fields the reader does not know, so that a misspelt one is not
// silently ignored.
void OnlyFields(const Json& object, const std::string& place,
                std::initializer_list<const char*> known) {
  for (const auto& [name, value] : object.items()) {
    bool found = false;
    for (const char* k : known) found = found || name == k;
    if (!found) Refuse(place, "unknown field " + Quoted(name));
  }
}

const Json& Required(const Json& object, const char* field, const std::string& place) {
  auto it = object.find(field);
  if (it == object.end()) Refuse(place, std::string("missing field \"") + field + "\"");
  return *it;
}

std::string Text(const Json& value, const std::string& place) {
  if (!value.is_string()) Refuse(place, "must be a string");
  return value.get<std::string>();
}

std::int64_t Integer(const Json& value, const std::string& place, std::int64_t low,
                     std::int64_t high) {
  if (!value.is_number_integer()) Refuse(place, "must be a whole number");
  std::int64_t n = value.is_number_unsigned() && value.get<std::uint64_t>() > INT64_MAX
                       ? INT64_MAX
                       : value.get<std::int64_t>();
  if (n < low || n > high) {
    Refuse(place, "must be between " + std::to_string(low) + " and " + std::to_string(high));
  }
  return n;
}

bool Boolean(const Json& value, const std::string& place) {
  if (!value.is_boolean()) Refuse(place, "must be true or false");
  return value.get<bool>();
}

Point ParsePoint(const Json& value, const std::string& place) {
  if (!value.is_array() || value.size() != 2) Refuse(place, "must be [x, y]");
  return Point{static_cast<int>(Integer(value[0], place + "[0]", -32768, 32767)),
               static_cast<int>(Integer(value[1], place + "[1]", -32768, 32767))};
}

std::string WindowField(const Json& action, const std::string& place) {
  std::string name = Text(Required(action, "window", place), place + ".window");
  if (!TemplateOfWindow(name)) Refuse(place + ".window", "unknown window " + Quoted(name));
  return name;
}

KeyChord ParseKey(const std::string& name, const std::string& place) {
  KeyChord chord;
  std::string rest = name;
  for (;;) {
    std::size_t plus = rest.find('+');
    if (plus == std::string::npos || plus + 1 == rest.size()) break;
    std::string modifier = rest.substr(0, plus);
    for (char& c : modifier) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (modifier == "alt") chord.alt = true;
    else if (modifier == "ctrl") chord.ctrl = true;
    else if (modifier == "shift") chord.shift = true;
    else Refuse(place, "unknown key " + Quoted(name));
    rest = rest.substr(plus + 1);
  }
  chord.virtualKey = desktop::VirtualKeyForName(rest);
  if (!chord.virtualKey) Refuse(place, "unknown key " + Quoted(name));
  return chord;
}

std::uint32_t AnswerFor(const std::string& name, const std::string& place) {
  if (name == "ok") return IDOK;
  if (name == "cancel") return IDCANCEL;
  if (name == "yes") return IDYES;
  if (name == "no") return IDNO;
  Refuse(place, "must be \"ok\", \"cancel\", \"yes\" or \"no\"");
}

std::uint32_t SystemCommand(const Json& value, const std::string& place) {
  static const std::map<std::string, std::uint32_t> kNames = {
      {"close", SC_CLOSE},       {"minimize", SC_MINIMIZE}, {"maximize", SC_MAXIMIZE},
      {"restore", SC_RESTORE},   {"move", SC_MOVE},         {"size", SC_SIZE},
      {"keymenu", SC_KEYMENU},
  };
  if (value.is_string()) {
    auto it = kNames.find(value.get<std::string>());
    if (it == kNames.end()) {
      Refuse(place, "unknown command " + Quoted(value.get<std::string>()) +
                        " (close, minimize, maximize, restore, move, size, keymenu or a number)");
    }
    return it->second;
  }
  return static_cast<std::uint32_t>(Integer(value, place, 0, 0xFFFF));
}

Action ParseAction(const Json& object, const std::string& place) {
  RequireObject(object, place);
  Action a;
  std::string kind = Text(Required(object, "action", place), place + ".action");
  if (object.contains("at")) {
    a.at = static_cast<std::uint32_t>(Integer(object["at"], place + ".at", 0, 0x7FFFFFFF));
  }
  auto field = [&](const char* name) -> const Json& { return Required(object, name, place); };
  auto at = [&](const char* name) { return place + "." + name; };
  if (kind == "wait") {
    OnlyFields(object, place, {"action", "at", "ms"});
    a.kind = Action::Kind::kWait;
    a.number = static_cast<std::uint32_t>(Integer(field("ms"), at("ms"), 0, 0x7FFFFFFF));
  } else if (kind == "click_button" || kind == "caption_button") {
    OnlyFields(object, place, {"action", "at", "window", "id"});
    a.kind = kind == "click_button" ? Action::Kind::kClickButton : Action::Kind::kCaptionButton;
    a.window = WindowField(object, place);
    a.number = static_cast<std::uint32_t>(Integer(field("id"), at("id"), 0, 0xFFFF));
  } else if (kind == "click_link") {
    OnlyFields(object, place, {"action", "at", "window", "link"});
    a.kind = Action::Kind::kClickLink;
    a.window = WindowField(object, place);
    a.text = Text(field("link"), at("link"));
    if (a.text.empty()) Refuse(at("link"), "must not be empty");
  } else if (kind == "key") {
    OnlyFields(object, place, {"action", "at", "window", "key"});
    a.kind = Action::Kind::kKey;
    a.window = WindowField(object, place);
    a.text = Text(field("key"), at("key"));
    a.key = ParseKey(a.text, at("key"));
  } else if (kind == "answer") {
    OnlyFields(object, place, {"action", "at", "with"});
    a.kind = Action::Kind::kAnswer;
    a.number = AnswerFor(Text(field("with"), at("with")), at("with"));
  } else if (kind == "menu") {
    OnlyFields(object, place, {"action", "at", "item"});
    a.kind = Action::Kind::kMenu;
    const Json& item = field("item");
    if (item.is_null()) a.dismiss = true;
    else if (item.is_string() && !item.get<std::string>().empty()) a.text = item.get<std::string>();
    else a.number = static_cast<std::uint32_t>(Integer(item, at("item"), 1, 0xFFFF));
  } else if (kind == "tray_click") {
    OnlyFields(object, place, {"action", "at"});
    a.kind = Action::Kind::kTrayClick;
  } else if (kind == "syscommand") {
    OnlyFields(object, place, {"action", "at", "window", "command"});
    a.kind = Action::Kind::kSysCommand;
    a.window = WindowField(object, place);
    a.number = SystemCommand(field("command"), at("command"));
  } else if (kind == "post") {
    OnlyFields(object, place, {"action", "at", "window", "message", "wparam", "lparam"});
    a.kind = Action::Kind::kPost;
    a.window = WindowField(object, place);
    a.number = static_cast<std::uint32_t>(Integer(field("message"), at("message"), 0, 0xFFFF));
    if (object.contains("wparam")) a.wparam = Integer(object["wparam"], at("wparam"), 0, UINT32_MAX);
    if (object.contains("lparam")) {
      a.lparam = Integer(object["lparam"], at("lparam"), INT32_MIN, INT32_MAX);
    }
  } else if (kind == "registry_delete") {
    OnlyFields(object, place, {"action", "at", "name"});
    a.kind = Action::Kind::kRegistryDelete;
    a.text = Text(field("name"), at("name"));
  } else if (kind == "drag") {
    OnlyFields(object, place, {"action", "at", "window", "from", "to"});
    a.kind = Action::Kind::kDrag;
    a.window = WindowField(object, place);
    a.from = ParsePoint(field("from"), at("from"));
    a.to = ParsePoint(field("to"), at("to"));
  } else if (kind == "screenshot") {
    OnlyFields(object, place, {"action", "at", "file"});
    a.kind = Action::Kind::kScreenshot;
    a.text = Text(field("file"), at("file"));
    if (a.text.empty()) Refuse(at("file"), "must not be empty");
  } else {
    Refuse(place + ".action", "unknown action " + Quoted(kind));
  }
  return a;
}

// A relative path under a profile folder: no drive, no root, no "..".
std::string RelativePath(const Json& value, const std::string& place) {
  std::string path = Text(value, place);
  if (path.empty() || path == "/") Refuse(place, "must name a file or folder");
  if (path.front() == '/' || path.find('\\') != std::string::npos ||
      path.find(':') != std::string::npos) {
    Refuse(place, "must be a relative path with '/' between its parts");
  }
  std::istringstream parts(path);
  for (std::string part; std::getline(parts, part, '/');) {
    if (part == "..") Refuse(place, "must stay inside its folder (no \"..\")");
  }
  return path;
}

void AddFile(std::vector<FileEntry>& files, std::string path, bool readOnly) {
  bool folder = path.back() == '/';
  if (folder) path.pop_back();
  for (FileEntry& f : files) {
    if (f.path == path) {
      f.readOnly = f.readOnly || readOnly;
      return;
    }
  }
  files.push_back(FileEntry{path, folder, readOnly});
}

// A list of paths, or {"paths": [...], "readonly": [...]}; read-only
// entries are made as well when the paths do not name them.
std::vector<FileEntry> ParseFiles(const Json& value, const std::string& place) {
  std::vector<FileEntry> files;
  auto list = [&](const Json& paths, const std::string& where, bool readOnly) {
    if (!paths.is_array()) Refuse(where, "must be a list of paths");
    for (std::size_t i = 0; i < paths.size(); ++i) {
      AddFile(files, RelativePath(paths[i], where + "[" + std::to_string(i) + "]"), readOnly);
    }
  };
  if (value.is_array()) {
    list(value, place, false);
    return files;
  }
  RequireObject(value, place);
  OnlyFields(value, place, {"paths", "readonly"});
  if (value.contains("paths")) list(value["paths"], place + ".paths", false);
  if (value.contains("readonly")) list(value["readonly"], place + ".readonly", true);
  return files;
}

void ParseSetup(const Json& setup, Scenario& s) {
  const std::string place = "setup";
  RequireObject(setup, place);
  OnlyFields(setup, place, {"registry", "cache", "cache_files", "desktop_files"});
  if (setup.contains("registry")) {
    const Json& values = setup["registry"];
    RequireObject(values, "setup.registry");
    for (const auto& [name, data] : values.items()) {
      s.runValues.emplace_back(name, Text(data, "setup.registry." + name));
    }
  }
  if (setup.contains("cache")) {
    const Json& entries = setup["cache"];
    if (!entries.is_array()) Refuse("setup.cache", "must be a list of entries");
    for (std::size_t i = 0; i < entries.size(); ++i) {
      std::string where = "setup.cache[" + std::to_string(i) + "]";
      RequireObject(entries[i], where);
      OnlyFields(entries[i], where, {"url", "cookie"});
      CacheEntry entry;
      entry.url = Text(Required(entries[i], "url", where), where + ".url");
      if (entry.url.empty()) Refuse(where + ".url", "must not be empty");
      if (entries[i].contains("cookie")) entry.cookie = Boolean(entries[i]["cookie"], where + ".cookie");
      s.cache.push_back(entry);
    }
  }
  if (setup.contains("cache_files")) s.cacheFiles = ParseFiles(setup["cache_files"], "setup.cache_files");
  if (setup.contains("desktop_files")) {
    s.desktopFiles = ParseFiles(setup["desktop_files"], "setup.desktop_files");
  }
}

void ParseProgram(const Json& root, Scenario& s) {
  if (root.contains("program")) {
    s.program = Text(root["program"], "program");
    // Drive C: is the run's own folder; Z: would be the real root, which a
    // scenario must not write to.
    bool drivePath = s.program.size() > 3 && (s.program[0] == 'C' || s.program[0] == 'c') &&
                     s.program[1] == ':' && s.program[2] == '\\' && s.program.back() != '\\';
    if (!drivePath) Refuse("program", "must be a Windows path on drive C:, such as C:\\Games\\Tessal\\Tessal.exe");
    std::string separated = s.program;
    for (char& c : separated) c = c == '/' ? '\\' : c;
    std::istringstream parts(separated);
    for (std::string part; std::getline(parts, part, '\\');) {
      if (part == "..") Refuse("program", "must not climb out of its folders (no \"..\")");
    }
    if (s.program.size() > 259) Refuse("program", "is longer than 259 characters");
  }
  if (root.contains("start_page") && !root["start_page"].is_null()) {
    std::string page = Text(root["start_page"], "start_page");
    std::string bytes = desktop::Utf8ToCp936(page);
    if (page.empty() || bytes.empty() || !start_page::IsValidAddress(bytes)) {
      Refuse("start_page", "must be an address of 1 to 259 bytes in code page 936");
    }
    s.startPage = page;
  }
}

void ParseMachine(const Json& root, Scenario& s) {
  if (root.contains("user")) {
    std::string user = Text(root["user"], "user");
    if (user != "standard" && user != "elevated") Refuse("user", "must be \"standard\" or \"elevated\"");
    s.elevatedUser = user == "elevated";
  }
  if (root.contains("windows_version")) {
    std::string version = Text(root["windows_version"], "windows_version");
    unsigned major = 0, minor = 0;
    char dot = 0, extra = 0;
    std::istringstream in(version);
    if (!(in >> major >> dot >> minor) || dot != '.' || (in >> extra) || major > 99 || minor > 99 ||
        !std::isdigit(static_cast<unsigned char>(version[0]))) {
      Refuse("windows_version", "must be MAJOR.MINOR such as \"6.1\" or \"10.0\"");
    }
    s.versionMajor = major;
    s.versionMinor = minor;
  }
  if (root.contains("screen")) {
    const Json& screen = root["screen"];
    if (!screen.is_array() || screen.size() != 2) Refuse("screen", "must be [width, height]");
    s.screenWidth = static_cast<int>(Integer(screen[0], "screen[0]", 320, 8192));
    s.screenHeight = static_cast<int>(Integer(screen[1], "screen[1]", 200, 8192));
    int area[4] = {0, 0, s.screenWidth, s.screenHeight - 40};
    std::copy(area, area + 4, s.workArea);
  }
  if (root.contains("work_area")) {
    const Json& area = root["work_area"];
    if (!area.is_array() || area.size() != 4) Refuse("work_area", "must be [left, top, right, bottom]");
    int limits[4] = {s.screenWidth, s.screenHeight, s.screenWidth, s.screenHeight};
    for (int i = 0; i < 4; ++i) {
      s.workArea[i] = static_cast<int>(
          Integer(area[i], "work_area[" + std::to_string(i) + "]", 0, limits[i]));
    }
    if (s.workArea[0] >= s.workArea[2] || s.workArea[1] >= s.workArea[3]) {
      Refuse("work_area", "must have its left below its right and its top above its bottom");
    }
  }
}

void ParseSite(const Json& site, const std::string& baseFolder, Scenario& s) {
  try {
    if (site.is_string()) {
      std::filesystem::path file = site.get<std::string>();
      if (file.is_relative()) file = std::filesystem::path(baseFolder) / file;
      s.site = desktop::web::ScriptedSite::Load(file.string());
    } else if (site.is_object()) {
      s.site = desktop::web::ScriptedSite::FromJson(site.dump());
    } else {
      Refuse("site", "must be a site object or the path of a site file");
    }
  } catch (const desktop::web::SiteError& e) {
    Refuse("site", e.what());
  }
}

}  // namespace

Scenario ParseScenario(const std::string& json, const std::string& baseFolder) {
  Json root;
  try {
    root = Json::parse(json);
  } catch (const Json::parse_error& e) {
    throw ScenarioError(std::string("not JSON: ") + e.what());
  }
  RequireObject(root, "scenario");
  OnlyFields(root, "scenario", {"program", "start_page", "user", "windows_version", "screen",
                                "work_area", "site", "setup", "actions"});
  Scenario s;
  ParseProgram(root, s);
  ParseMachine(root, s);
  if (root.contains("site")) ParseSite(root["site"], baseFolder, s);
  if (root.contains("setup")) ParseSetup(root["setup"], s);
  if (root.contains("actions")) {
    const Json& actions = root["actions"];
    if (!actions.is_array()) Refuse("actions", "must be a list of actions");
    for (std::size_t i = 0; i < actions.size(); ++i) {
      s.actions.push_back(ParseAction(actions[i], "actions[" + std::to_string(i) + "]"));
    }
  }
  return s;
}

Scenario LoadScenario(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ScenarioError(path + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  std::string folder = std::filesystem::path(path).parent_path().string();
  return ParseScenario(text.str(), folder.empty() ? "." : folder);
}

}  // namespace sim
