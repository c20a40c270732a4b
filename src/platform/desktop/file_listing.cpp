#include "platform/desktop/file_listing.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "platform/desktop/codepage.h"
#include "platform/desktop/file_system.h"
#include "platform/desktop/state.h"

namespace desktop {
namespace {

std::size_t CharWidth(const std::string& text, std::size_t at) {
  return (IsLeadByte936(static_cast<unsigned char>(text[at])) && at + 1 < text.size()) ? 2 : 1;
}

bool Match(const std::string& name, std::size_t n, const std::string& pattern, std::size_t p) {
  while (p < pattern.size()) {
    if (pattern[p] == '*') {
      while (p < pattern.size() && pattern[p] == '*') ++p;
      if (p == pattern.size()) return true;
      for (std::size_t at = n; at <= name.size(); at += (at < name.size() ? CharWidth(name, at) : 1)) {
        if (Match(name, at, pattern, p)) return true;
      }
      return false;
    }
    if (n >= name.size()) return false;
    std::size_t nw = CharWidth(name, n);
    if (pattern[p] == '?') {
      n += nw;
      ++p;
      continue;
    }
    std::size_t pw = CharWidth(pattern, p);
    if (nw != pw || name.compare(n, nw, pattern, p, pw) != 0) return false;
    n += nw;
    p += pw;
  }
  return n == name.size();
}

// `folder`, `separator` and `name` in one string, allocated once.
std::string Joined(const std::string& folder, std::string_view separator, std::string_view name) {
  std::string path;
  path.reserve(folder.size() + separator.size() + name.size());
  path.append(folder).append(separator).append(name);
  return path;
}

}  // namespace

std::string FoldPattern(const std::string& pattern) {
  std::string folded = FoldCase936(pattern);
  return folded == "*.*" ? "*" : folded;  // as in MS-DOS: also names without a dot
}

bool MatchesFoldedPattern(const std::string& name, const std::string& foldedPattern) {
  return foldedPattern == "*" || Match(FoldCase936(name), 0, foldedPattern, 0);
}

FolderListing::FolderListing(FileSystem& files, std::string windowsFolder, std::string realFolder,
                             std::string pattern, bool listDots)
    : files_(files),
      windowsFolder_(std::move(windowsFolder)),
      folder_(std::move(realFolder)),
      pattern_(FoldPattern(pattern)),
      listDots_(listDots) {
  dir_ = opendir(folder_.c_str());
  if (!dir_) openError_ = (errno == ENOENT || errno == ENOTDIR) ? ERROR_PATH_NOT_FOUND
                                                                : ERROR_ACCESS_DENIED;
}

FolderListing::~FolderListing() {
  if (!dir_) return;
  files_.ListingClosed(dirfd(dir_));
  closedir(dir_);
}

bool FolderListing::Next(WIN32_FIND_DATAA* data) {
  while (dirent* entry = dir_ ? readdir(dir_) : nullptr) {
    bool dots = std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0;
    if (dots && !listDots_) continue;
    std::string name = Utf8ToCp936(entry->d_name);
    if (name.size() >= MAX_PATH || !MatchesFoldedPattern(name, pattern_)) continue;
    unsigned long long size = 0;
    DWORD attributes =
        files_.ListedAttributes(dirfd(dir_), entry->d_name, Joined(windowsFolder_, "\\", name),
                                Joined(folder_, folder_ == "/" ? "" : "/", entry->d_name), &size);
    if (attributes == INVALID_FILE_ATTRIBUTES) continue;  // gone meanwhile
    std::memset(data, 0, sizeof *data);
    data->dwFileAttributes = attributes;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
      data->nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFF);
    }
    std::memcpy(data->cFileName, name.c_str(), name.size() + 1);
    return true;
  }
  SetError(ERROR_NO_MORE_FILES);
  return false;
}

}  // namespace desktop
