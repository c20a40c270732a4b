// Desktop entry files (.desktop) for launchers: the text of an application
// entry, with its values escaped and its command line quoted as desktop
// environments read them, and reading one key back.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace desktop::xdg {

struct DesktopEntry {
  std::string name;                  // UTF-8
  std::vector<std::string> command;  // the program's real path, then its arguments (UTF-8)
  std::string workingFolder;         // empty: none
  std::string icon;                  // an icon name or file; empty: none
  // The Windows command line it stands for (UTF-8), kept for reading back;
  // empty: none.
  std::string windowsCommand;
};

// One argument of an Exec line: as it is when it needs no quoting, else in
// double quotes with ", `, $ and \ escaped; % is always doubled.
std::string QuoteExecArgument(const std::string& argument);
// A value of type string: backslash, newline, tab and carriage return
// escaped, a leading space as \s.
std::string EscapeValue(const std::string& value);
// The Exec value: the quoted arguments, then escaped as a string value.
std::string ExecValue(const std::vector<std::string>& command);

std::string DesktopEntryText(const DesktopEntry& entry);

// The arguments of an Exec value (already unescaped as a string): split at
// spaces, double quotes grouping with \", \`, \$ and \\ inside them, %%
// as %, and field codes such as %f or %u left out.
std::vector<std::string> SplitExecValue(const std::string& exec);

// The unescaped value of `key` in the [Desktop Entry] group, if present.
std::optional<std::string> DesktopEntryValue(const std::string& text, const std::string& key);

// Writes `text` to `path` whole or not at all (a temporary file renamed
// over it), marked executable, creating the folder; false on failure.
bool WriteLauncherFile(const std::string& path, const std::string& text);

}  // namespace desktop::xdg
