// The user's folders as the XDG base directory and user directory
// conventions name them: where launchers, the desktop and autostart
// entries live. Read from the environment at each call.
#pragma once

#include <string>
#include <vector>

namespace desktop::xdg {

// $XDG_DATA_HOME, or ~/.local/share.
std::string DataHome();
// The system's data folders, most important first: $XDG_DATA_DIRS (its
// absolute entries), or /usr/local/share and /usr/share.
std::vector<std::string> DataDirs();
// $XDG_CONFIG_HOME, or ~/.config.
std::string ConfigHome();
// The desktop folder, as `xdg-user-dir DESKTOP` answers: XDG_DESKTOP_DIR
// from user-dirs.dirs in the configuration folder, else ~/Desktop.
std::string DesktopFolder();

// The value of `key` in the text of a user-dirs.dirs file: a double-quoted
// "$HOME/..." or absolute path, with backslash escapes; empty when the key
// is missing or its value is neither.
std::string UserDirFromText(const std::string& text, const std::string& key, const std::string& home);

}  // namespace desktop::xdg
