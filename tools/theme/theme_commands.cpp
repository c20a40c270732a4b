#include "tools/theme/theme_commands.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "res/embedded_files.h"
#include "res/theme_files.h"
#include "tools/theme/file_bytes.h"
#include "tools/theme/icon_export.h"
#include "tools/theme/theme_check.h"
#include "tools/theme/title_check.h"

namespace theme {

namespace {

constexpr const char* kUsage =
    "usage: tessal-theme check DIR | new DIR | title DIR | files | icons DIR OUT_DIR NAME\n";

std::vector<std::string> ThemeFiles() {
  std::vector<std::string> files;
  for (const PictureFile& picture : Pictures()) files.push_back(picture.path);
  files.push_back(kIconPath);
  files.push_back(kTitlePath);
  return files;
}

CommandResult Check(const std::filesystem::path& folder) {
  ThemeCheck check = CheckTheme(folder);
  CommandResult result;
  int faults = 0;
  for (const Finding& finding : check.findings.List()) {
    const bool fault = finding.kind == Finding::Kind::kFault;
    faults += fault;
    result.out += finding.file + ": " + (fault ? "" : "note: ") + finding.message + "\n";
  }
  if (faults) {
    result.out += "theme " + folder.string() + ": " + std::to_string(faults) +
                  (faults == 1 ? " fault\n" : " faults\n");
    result.exitCode = 1;
  } else {
    result.out += "theme " + folder.string() + ": every file is as the program needs it\n";
  }
  return result;
}

// The default theme as it is built into this tool; nothing is written over.
CommandResult New(const std::filesystem::path& folder) {
  CommandResult result;
  for (const std::string& file : ThemeFiles()) {
    if (std::filesystem::exists(folder / file)) {
      result.err = "tessal-theme: " + (folder / file).string() +
                   " exists already; give a new folder, nothing was written\n";
      result.exitCode = 1;
      return result;
    }
  }
  for (const std::string& file : ThemeFiles()) {
    const std::filesystem::path path = folder / file;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary);
    out << EmbeddedResourceFile(file);
    if (error || !out.flush()) {
      result.err = "tessal-theme: cannot write " + path.string() + "\n";
      result.exitCode = 1;
      return result;
    }
  }
  result.out = "tessal-theme: the default theme is in " + folder.string() +
               "; change its files, then: tessal-theme check " + folder.string() + "\n";
  return result;
}

CommandResult Title(const std::filesystem::path& folder) {
  CommandResult result;
  std::optional<std::string> bytes = ReadFileBytes(folder / kTitlePath);
  Findings findings;
  std::optional<std::string> title;
  if (bytes) title = CheckTitle(*bytes, findings);
  if (!title) {
    result.err = "tessal-theme: " + (folder / kTitlePath).string() + ": " +
                 (bytes ? findings.List().front().message : std::string("cannot be read")) + "\n";
    result.exitCode = 1;
    return result;
  }
  result.out = *title + "\n";
  return result;
}

CommandResult Icons(const std::filesystem::path& folder, const std::filesystem::path& out,
                    const std::string& name) {
  CommandResult result;
  std::optional<std::string> bytes = ReadFileBytes(folder / kIconPath);
  std::string error = bytes ? ExportIcons(*bytes, out, name) : "cannot be read";
  if (!error.empty()) {
    result.err = "tessal-theme: " + (folder / kIconPath).string() + ": " + error + "\n";
    result.exitCode = 1;
  }
  return result;
}

}  // namespace

CommandResult RunCommand(const std::vector<std::string>& args) {
  const std::string command = args.empty() ? "" : args[0];
  if (command == "check" && args.size() == 2) return Check(args[1]);
  if (command == "new" && args.size() == 2) return New(args[1]);
  if (command == "title" && args.size() == 2) return Title(args[1]);
  if (command == "icons" && args.size() == 4) return Icons(args[1], args[2], args[3]);
  if (command == "files" && args.size() == 1) {
    CommandResult result;
    for (const std::string& file : ThemeFiles()) result.out += file + "\n";
    return result;
  }
  return CommandResult{2, "", kUsage};
}

}  // namespace theme
