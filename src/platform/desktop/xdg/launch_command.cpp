#include "platform/desktop/xdg/launch_command.h"

#include <sys/stat.h>

#include "platform/desktop/codepage.h"

namespace desktop::xdg {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

bool IsRegularFile(const std::string& realPath) {
  struct stat st;
  return stat(realPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::optional<std::string> RealPathOnDriveZ(const std::string& cp936Path) {
  if (cp936Path.size() < 3 || (cp936Path[0] != 'Z' && cp936Path[0] != 'z') || cp936Path[1] != ':' ||
      cp936Path[2] != '\\') {
    return std::nullopt;
  }
  // Converted first: a backslash byte may be the second half of a character.
  std::string path = Cp936ToUtf8(cp936Path.substr(2));
  for (char& c : path) if (c == '\\') c = '/';
  return path;
}

std::vector<std::string> SplitWindowsArguments(const std::string& cp936Arguments) {
  std::string text = Cp936ToUtf8(cp936Arguments);
  std::vector<std::string> arguments;
  std::size_t i = 0;
  for (;;) {
    while (i < text.size() && IsSpace(text[i])) ++i;
    if (i == text.size()) break;
    std::string argument;
    bool quoted = false;
    for (; i < text.size() && (quoted || !IsSpace(text[i])); ++i) {
      std::size_t backslashes = 0;
      while (i < text.size() && text[i] == '\\') ++backslashes, ++i;
      if (i < text.size() && text[i] == '"') {
        argument.append(backslashes / 2, '\\');
        if (backslashes % 2) argument += '"';
        else if (quoted && i + 1 < text.size() && text[i + 1] == '"') argument += '"', ++i;
        else quoted = !quoted;
      } else {
        argument.append(backslashes, '\\');
        if (i == text.size()) break;
        if (!quoted && IsSpace(text[i])) break;
        argument += text[i];
      }
    }
    arguments.push_back(argument);
  }
  return arguments;
}

std::optional<std::vector<std::string>> ShortcutCommand(const std::string& cp936Target,
                                                        const std::string& cp936Arguments) {
  std::optional<std::string> program = RealPathOnDriveZ(cp936Target);
  if (!program) return std::nullopt;
  std::vector<std::string> command{*program};
  for (std::string& argument : SplitWindowsArguments(cp936Arguments)) command.push_back(argument);
  return command;
}

std::optional<std::vector<std::string>> CommandOfCommandLine(const std::string& cp936CommandLine) {
  std::string line = cp936CommandLine;
  while (!line.empty() && IsSpace(line.front())) line.erase(0, 1);
  std::string program, rest;
  if (!line.empty() && line[0] == '"') {
    std::size_t close = line.find('"', 1);
    program = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    rest = close == std::string::npos ? std::string() : line.substr(close + 1);
  } else {
    program = line;
    std::optional<std::string> whole = RealPathOnDriveZ(line);
    bool wholeIsFile = whole && IsRegularFile(*whole);
    for (std::size_t space = line.find(' '); !wholeIsFile && space != std::string::npos;
         space = line.find(' ', space + 1)) {
      std::optional<std::string> real = RealPathOnDriveZ(line.substr(0, space));
      if (real && IsRegularFile(*real)) {
        program = line.substr(0, space);
        rest = line.substr(space + 1);
        break;
      }
    }
  }
  return ShortcutCommand(program, rest);
}

}  // namespace desktop::xdg
