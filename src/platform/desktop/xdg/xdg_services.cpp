#include "platform/desktop/xdg/xdg_services.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/desktop/codepage.h"
#include "platform/desktop/session.h"
#include "platform/desktop/xdg/desktop_entry.h"
#include "platform/desktop/xdg/launch_command.h"
#include "platform/desktop/xdg/xdg_folders.h"

namespace desktop::xdg {
namespace {

constexpr int kDesktopFolder = 0x0010;    // CSIDL_DESKTOPDIRECTORY
constexpr int kApplicationData = 0x001A;  // CSIDL_APPDATA
constexpr char kQuickLaunchUnderAppData[] = "\\Microsoft\\Internet Explorer\\Quick Launch";
constexpr char kLinkSuffix[] = ".lnk";

std::string SpecialFolder(int csidl) {
  auto& folders = Session::Current().state().specialFolders;
  auto it = folders.find(csidl);
  return it == folders.end() ? std::string() : FoldCase936(it->second);
}

// The real folder a Windows folder maps to, when it exists.
std::string ExistingRealFolder(const std::string& cp936Folder) {
  if (cp936Folder.empty()) return {};
  std::string real = Session::Current().RealPath(cp936Folder);
  struct stat st;
  return !real.empty() && stat(real.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? real : std::string();
}

// A name as a file name: a slash cannot be part of one, and "." or ".."
// would name a folder.
std::string FileNameOf(const std::string& utf8Name) {
  std::string name = utf8Name;
  for (char& c : name) if (c == '/') c = '_';
  if (name.empty() || name == "." || name == "..") name = "_" + name;
  return name;
}

// The program file a command's first word names: a path as it is, a bare
// name looked up in $PATH as a launcher's Exec is.
std::string ProgramFile(const std::string& word) {
  if (word.find('/') != std::string::npos) return word;
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    std::string candidate = (folder.empty() ? "." : folder) + "/" + word;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

// Whether the menu entry of this file name that the system's data folders
// give (a package's own, such as /usr/share/applications/NAME.desktop)
// starts this very command. A launcher of the same name in the user's
// folder would hide it behind the program file's name and a stock icon.
bool SystemMenuEntryStarts(const std::string& fileName, const std::vector<std::string>& command) {
  for (const std::string& folder : DataDirs()) {
    std::ifstream file(folder + "/applications/" + fileName, std::ios::binary);
    if (!file) continue;
    std::stringstream text;
    text << file.rdbuf();
    std::vector<std::string> exec =
        SplitExecValue(DesktopEntryValue(text.str(), "Exec").value_or(""));
    if (exec.empty() || exec.size() != command.size()) return false;
    std::error_code error;
    const std::string program = ProgramFile(exec[0]);
    if (program.empty() || !std::filesystem::equivalent(program, command[0], error)) return false;
    return std::equal(exec.begin() + 1, exec.end(), command.begin() + 1);
  }
  return false;
}

std::vector<std::string> WithRelaunchArguments(std::vector<std::string> command) {
  for (const std::string& argument : Session::Current().relaunchArguments()) command.push_back(argument);
  return command;
}

}  // namespace

std::string XdgServices::ShortcutSaved(const std::string& cp936LinkPath, const ShellLinkFields& link) {
  std::size_t slash = cp936LinkPath.rfind('\\');
  if (slash == std::string::npos) return {};
  std::string folder = FoldCase936(cp936LinkPath.substr(0, slash));
  std::string file = cp936LinkPath.substr(slash + 1);
  std::size_t suffix = sizeof kLinkSuffix - 1;
  if (file.size() <= suffix || FoldCase936(file.substr(file.size() - suffix)) != kLinkSuffix) return {};
  std::string name = Cp936ToUtf8(file.substr(0, file.size() - suffix));

  std::string launcherFolder;
  bool inMenu = false;
  if (folder == SpecialFolder(kDesktopFolder)) {
    launcherFolder = DesktopFolder();
  } else if (folder == SpecialFolder(kApplicationData) + FoldCase936(kQuickLaunchUnderAppData)) {
    launcherFolder = DataHome() + "/applications";
    inMenu = true;
  } else {
    return {};
  }
  std::optional<std::vector<std::string>> command = ShortcutCommand(link.target, link.arguments);
  if (!command) return {};

  DesktopEntry entry;
  entry.name = name;
  entry.command = WithRelaunchArguments(*command);
  entry.workingFolder = ExistingRealFolder(link.workingDirectory);
  entry.icon = kLauncherIcon;
  const std::string fileName = FileNameOf(name) + ".desktop";
  if (inMenu && SystemMenuEntryStarts(fileName, entry.command)) return {};
  std::string path = launcherFolder + "/" + fileName;
  return WriteLauncherFile(path, DesktopEntryText(entry)) ? path : std::string();
}

bool XdgServices::StartupCommandSet(const std::string& cp936Name, const std::string& cp936CommandLine) {
  std::optional<std::vector<std::string>> command = CommandOfCommandLine(cp936CommandLine);
  if (!command) {
    // Nothing here could start it: an entry left by an earlier value goes.
    StartupCommandDeleted(cp936Name);
    return false;
  }
  DesktopEntry entry;
  entry.name = Cp936ToUtf8(cp936Name);
  entry.command = WithRelaunchArguments(*command);
  entry.icon = kLauncherIcon;
  entry.windowsCommand = Cp936ToUtf8(cp936CommandLine);
  return WriteLauncherFile(AutostartFile(cp936Name), DesktopEntryText(entry));
}

void XdgServices::StartupCommandDeleted(const std::string& cp936Name) {
  std::remove(AutostartFile(cp936Name).c_str());
}

StartupEntryState XdgServices::StartupEntry(const std::string& cp936Name) const {
  std::ifstream file(AutostartFile(cp936Name), std::ios::binary);
  StartupEntryState state;
  if (!file) return state;
  state.present = true;
  std::stringstream text;
  text << file.rdbuf();
  // An entry written elsewhere (by hand, or without our key) stands for its Exec line.
  std::optional<std::string> command = DesktopEntryValue(text.str(), "X-Tessal-Command");
  if (!command) command = DesktopEntryValue(text.str(), "Exec");
  state.cp936CommandLine = Utf8ToCp936(command.value_or(""));
  return state;
}

std::string XdgServices::AutostartFile(const std::string& cp936Name) {
  return ConfigHome() + "/autostart/" + FileNameOf(Cp936ToUtf8(cp936Name)) + ".desktop";
}

}  // namespace desktop::xdg
