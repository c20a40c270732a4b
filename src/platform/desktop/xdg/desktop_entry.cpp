#include "platform/desktop/xdg/desktop_entry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace desktop::xdg {
namespace {

// Characters that make an Exec argument need quotes.
constexpr char kReserved[] = " \t\n\"'\\><~|&;$*?#()`";

}  // namespace

std::string QuoteExecArgument(const std::string& argument) {
  bool quote = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
  std::string out;
  if (quote) out += '"';
  for (char c : argument) {
    if (c == '%') {
      out += "%%";
      continue;
    }
    if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) out += '\\';
    out += c;
  }
  if (quote) out += '"';
  return out;
}

std::string EscapeValue(const std::string& value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    char c = value[i];
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case ' ': out += i == 0 ? "\\s" : " "; break;
      default: out += c;
    }
  }
  return out;
}

std::string ExecValue(const std::vector<std::string>& command) {
  std::string line;
  for (const std::string& argument : command) {
    if (!line.empty()) line += ' ';
    line += QuoteExecArgument(argument);
  }
  return EscapeValue(line);
}

std::string DesktopEntryText(const DesktopEntry& entry) {
  std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
  text += "Name=" + EscapeValue(entry.name) + "\n";
  text += "Exec=" + ExecValue(entry.command) + "\n";
  if (!entry.workingFolder.empty()) text += "Path=" + EscapeValue(entry.workingFolder) + "\n";
  if (!entry.icon.empty()) text += "Icon=" + EscapeValue(entry.icon) + "\n";
  text += "Terminal=false\n";
  if (!entry.windowsCommand.empty()) {
    text += "X-Tessal-Command=" + EscapeValue(entry.windowsCommand) + "\n";
  }
  return text;
}

std::vector<std::string> SplitExecValue(const std::string& exec) {
  std::vector<std::string> arguments;
  std::string argument;
  bool inArgument = false, quoted = false, fieldCode = false;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (quoted) {
      if (c == '"')
        quoted = false;
      else if (c == '\\' && i + 1 < exec.size())
        argument += exec[++i];
      else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%')
        argument += exec[++i];
      else
        argument += c;
    } else if (c == ' ') {
      if (inArgument && !(fieldCode && argument.empty())) arguments.push_back(argument);
      argument.clear();
      inArgument = fieldCode = false;
    } else if (c == '"') {
      quoted = inArgument = true;
    } else if (c == '%' && i + 1 < exec.size()) {
      inArgument = true;
      if (exec[++i] == '%')
        argument += '%';
      else
        fieldCode = true;
    } else {
      argument += c;
      inArgument = true;
    }
  }
  if (inArgument && !(fieldCode && argument.empty())) arguments.push_back(argument);
  return arguments;
}

std::optional<std::string> DesktopEntryValue(const std::string& text, const std::string& key) {
  std::istringstream lines(text);
  bool inGroup = false;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') {
      inGroup = line == "[Desktop Entry]";
      continue;
    }
    std::size_t equals = line.find('=');
    if (!inGroup || equals == std::string::npos) continue;
    std::string name = line.substr(0, equals);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    if (name != key) continue;
    std::size_t start = line.find_first_not_of(' ', equals + 1);
    std::string raw = start == std::string::npos ? std::string() : line.substr(start);
    std::string value;
    for (std::size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] != '\\' || i + 1 == raw.size()) {
        value += raw[i];
        continue;
      }
      switch (raw[++i]) {
        case 's': value += ' '; break;
        case 'n': value += '\n'; break;
        case 't': value += '\t'; break;
        case 'r': value += '\r'; break;
        case '\\': value += '\\'; break;
        default: value += '\\'; value += raw[i];
      }
    }
    return value;
  }
  return std::nullopt;
}

bool WriteLauncherFile(const std::string& path, const std::string& text) {
  std::error_code error;
  std::filesystem::path target(path);
  std::filesystem::create_directories(target.parent_path(), error);
  std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (chmod(temporary.c_str(), 0755) != 0 || rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace desktop::xdg
