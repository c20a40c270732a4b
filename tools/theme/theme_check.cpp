#include "tools/theme/theme_check.h"

#include <set>
#include <system_error>

#include "res/theme_files.h"
#include "tools/theme/file_bytes.h"
#include "tools/theme/icon_file.h"
#include "tools/theme/launcher_check.h"
#include "tools/theme/picture_check.h"
#include "tools/theme/title_check.h"

namespace theme {

namespace {

// The taskbar, the shortcuts and the Linux menus want a picture of at
// least this size; smaller ones are scaled up and blur.
constexpr int kSmallestLargeIcon = 32;

void CheckIcon(const std::filesystem::path& folder, Findings& findings) {
  std::optional<std::string> bytes = ReadFileBytes(folder / kIconPath);
  if (!bytes) {
    findings.Fault(kIconPath,
                   "missing: the program icon, an .ico file with a 32-bit picture of "
                   "64 × 64 pixels or more");
    return;
  }
  IconFile icon = ReadIconFile(*bytes);
  if (!icon.error.empty()) {
    findings.Fault(kIconPath, icon.error);
    return;
  }
  int largest = 0;
  for (const IconImage& image : icon.images) {
    if (image.width != image.height) {
      findings.Fault(kIconPath, "a picture is " + std::to_string(image.width) + " × " +
                                    std::to_string(image.height) + "; icon pictures are square");
    }
    largest = std::max(largest, std::min(image.width, image.height));
  }
  if (largest < kSmallestLargeIcon) {
    findings.Fault(kIconPath, "the largest picture is " + std::to_string(largest) +
                                  " pixels wide; give at least one of " +
                                  std::to_string(kSmallestLargeIcon) + " × " +
                                  std::to_string(kSmallestLargeIcon) + " or more");
  }
}

void NoteStrangers(const std::filesystem::path& folder, Findings& findings) {
  std::set<std::string> known = {kIconPath, kTitlePath};
  for (const PictureFile& picture : theme::Pictures()) known.insert(picture.path);
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (!it->is_regular_file()) continue;
    const std::string path = std::filesystem::relative(it->path(), folder).generic_string();
    const std::string extension = it->path().extension().string();
    // Only what looks like theme content: a picture, an icon, a text.
    if (!known.count(path) && (extension == ".bmp" || extension == ".ico")) {
      findings.Note(path, "not a file of the theme: the build leaves it out");
    }
  }
}

}  // namespace

ThemeCheck CheckTheme(const std::filesystem::path& folder) {
  ThemeCheck check;
  if (!std::filesystem::is_directory(folder)) {
    check.findings.Fault(".", "the theme folder " + folder.string() + " does not exist");
    return check;
  }
  ReadPictures pictures = CheckPictures(folder, check.findings);
  CheckLauncherLayout(pictures, check.findings);
  CheckIcon(folder, check.findings);
  if (std::optional<std::string> bytes = ReadFileBytes(folder / kTitlePath)) {
    check.title = CheckTitle(*bytes, check.findings);
  } else {
    check.findings.Fault(kTitlePath, "missing: the game title, one line of UTF-8 text");
  }
  NoteStrangers(folder, check.findings);
  return check;
}

}  // namespace theme
