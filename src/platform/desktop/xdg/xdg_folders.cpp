#include "platform/desktop/xdg/xdg_folders.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace desktop::xdg {
namespace {

std::string Home() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : "/";
}

// An environment variable that holds an absolute path, else the fallback.
std::string AbsoluteFromEnvironment(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value && value[0] == '/' ? value : fallback;
}

std::string Trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The inside of a double-quoted shell word, escapes resolved; false when
// the word is not one.
bool Unquoted(const std::string& word, std::string* inside) {
  if (word.size() < 2 || word.front() != '"' || word.back() != '"') return false;
  inside->clear();
  for (std::size_t i = 1; i + 1 < word.size(); ++i) {
    char c = word[i];
    if (c == '\\' && i + 2 < word.size()) c = word[++i];
    else if (c == '"') return false;
    inside->push_back(c);
  }
  return true;
}

}  // namespace

std::string DataHome() { return AbsoluteFromEnvironment("XDG_DATA_HOME", Home() + "/.local/share"); }

std::vector<std::string> DataDirs() {
  const char* value = std::getenv("XDG_DATA_DIRS");
  std::vector<std::string> folders;
  std::istringstream list(value ? value : "");
  for (std::string folder; std::getline(list, folder, ':');) {
    if (!folder.empty() && folder[0] == '/') folders.push_back(folder);
  }
  if (folders.empty()) folders = {"/usr/local/share", "/usr/share"};
  return folders;
}

std::string ConfigHome() { return AbsoluteFromEnvironment("XDG_CONFIG_HOME", Home() + "/.config"); }

std::string DesktopFolder() {
  std::ifstream file(ConfigHome() + "/user-dirs.dirs");
  std::stringstream text;
  text << file.rdbuf();
  std::string folder = UserDirFromText(text.str(), "XDG_DESKTOP_DIR", Home());
  return folder.empty() ? Home() + "/Desktop" : folder;
}

std::string UserDirFromText(const std::string& text, const std::string& key, const std::string& home) {
  std::istringstream lines(text);
  std::string found;
  for (std::string line; std::getline(lines, line);) {
    line = Trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    std::size_t equals = line.find('=');
    if (equals == std::string::npos || Trimmed(line.substr(0, equals)) != key) continue;
    std::string value;
    if (!Unquoted(Trimmed(line.substr(equals + 1)), &value)) continue;
    // The last valid assignment wins, as when the shell reads the file.
    if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/')) {
      found = home + value.substr(5);
    } else if (!value.empty() && value[0] == '/') {
      found = value;
    }
  }
  while (found.size() > 1 && found.back() == '/') found.pop_back();
  return found;
}

}  // namespace desktop::xdg
