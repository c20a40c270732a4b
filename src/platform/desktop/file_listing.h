// One open folder listing (FindFirstFileA's handle): the real folder read
// entry by entry, names in code page 936, matched against a Windows
// wildcard pattern without regard to case.
#pragma once

#include <dirent.h>

#include <string>

#include "platform/api/kernel_functions.h"

namespace desktop {

class FileSystem;

class FolderListing {
 public:
  // `windowsFolder`: the folder as the program named it in its pattern.
  // `listDots`: whether "." and ".." are listed (every folder but a
  // drive's root). Fails with a Windows error when the folder cannot be read.
  FolderListing(FileSystem& files, std::string windowsFolder, std::string realFolder,
                std::string pattern, bool listDots);
  ~FolderListing();
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;

  DWORD openError() const { return openError_; }
  // The next matching entry; false with ERROR_NO_MORE_FILES at the end.
  bool Next(WIN32_FIND_DATAA* data);

 private:
  FileSystem& files_;
  std::string windowsFolder_;
  std::string folder_;
  std::string pattern_;  // folded
  bool listDots_;
  DIR* dir_ = nullptr;
  DWORD openError_ = ERROR_SUCCESS;
};

// Windows wildcard matching ("*", "?"; "*.*" matches every name), without
// regard to case, one code page 936 character at a time. A listing folds
// its pattern once (FoldPattern) and matches every name against that.
std::string FoldPattern(const std::string& pattern);
bool MatchesFoldedPattern(const std::string& name, const std::string& foldedPattern);

}  // namespace desktop
