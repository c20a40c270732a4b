// What a Windows shortcut or command line starts, as a command on this
// machine: the program file on drive Z: (the real root, as Wine maps it)
// as its real path, and the arguments, in UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace desktop::xdg {

// The real path of a code page 936 Windows path on drive Z:; nullopt for
// any other drive or a relative path.
std::optional<std::string> RealPathOnDriveZ(const std::string& cp936Path);

// Arguments split as Windows programs split their command line: white
// space separates, double quotes group, backslashes escape only quotes.
std::vector<std::string> SplitWindowsArguments(const std::string& cp936Arguments);

// The command of a shortcut: its target on drive Z: and its arguments.
std::optional<std::vector<std::string>> ShortcutCommand(const std::string& cp936Target,
                                                        const std::string& cp936Arguments);

// The command a command line (a Run value) starts. A quoted program is the
// quoted part. An unquoted one is the whole line when that names an
// existing file (a program path with spaces written without quotes), else
// the shortest prefix ending at a space that does, else the whole line, as
// Windows resolves it. Nullopt when the program is not on drive Z:.
std::optional<std::vector<std::string>> CommandOfCommandLine(const std::string& cp936CommandLine);

}  // namespace desktop::xdg
