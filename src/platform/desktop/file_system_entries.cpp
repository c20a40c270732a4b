// Folder entries: attributes, deleting files, creating and removing
// folders, and folder listings.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/desktop/codepage.h"
#include "platform/desktop/file_listing.h"
#include "platform/desktop/file_system.h"
#include "platform/desktop/state.h"

namespace desktop {
namespace {

constexpr DWORD kStoredBits = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
constexpr DWORD kSettableBits = kStoredBits | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_NORMAL;

std::pair<unsigned long long, unsigned long long> Identity(const struct stat& st) {
  return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

std::string ParentOf(const std::string& realPath) {
  std::size_t slash = realPath.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : realPath.substr(0, slash);
}

}  // namespace

DWORD FileSystem::MissingEntryError(const std::string& realPath) const {
  struct stat st;
  return stat(ParentOf(realPath).c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? ERROR_FILE_NOT_FOUND
                                                                           : ERROR_PATH_NOT_FOUND;
}

DWORD FileSystem::Attributes(const std::string& realPath, unsigned long long* size) const {
  struct stat st;
  if (!LookUp(realPath, &st)) return INVALID_FILE_ATTRIBUTES;
  if (size) *size = static_cast<unsigned long long>(st.st_size);
  return AttributesOf(realPath, st);
}

DWORD FileSystem::ListedAttributes(int folderFd, const char* name, std::string windowsPath,
                                   std::string realPath, unsigned long long* size) {
  // Relative to the open folder: the kernel walks one name, not the whole path.
  struct stat st;
  if (fstatat(folderFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return INVALID_FILE_ATTRIBUTES;
  if (size) *size = static_cast<unsigned long long>(st.st_size);
  DWORD attributes = AttributesOf(realPath, st);
  memo_.Remember(ListedEntry{std::move(windowsPath), std::move(realPath), folderFd, name, st});
  return attributes;
}

DWORD FileSystem::AttributesOf(const std::string& realPath, const struct stat& st) const {
  auto stored = storedBits_.find(Identity(st));
  if (S_ISLNK(st.st_mode)) {
    struct stat target;
    bool toFolder = stat(realPath.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
    DWORD bits = stored != storedBits_.end() ? stored->second : 0;
    return bits | FILE_ATTRIBUTE_REPARSE_POINT | (toFolder ? FILE_ATTRIBUTE_DIRECTORY : 0);
  }
  bool folder = S_ISDIR(st.st_mode);
  DWORD bits = stored != storedBits_.end() ? stored->second : (folder ? 0 : FILE_ATTRIBUTE_ARCHIVE);
  if (folder) bits |= FILE_ATTRIBUTE_DIRECTORY;
  if (!(st.st_mode & S_IWUSR)) bits |= FILE_ATTRIBUTE_READONLY;
  return bits ? bits : FILE_ATTRIBUTE_NORMAL;
}

DWORD FileSystem::SetAttributes(const std::string& realPath, DWORD attributes) {
  struct stat st;
  bool found = LookUp(realPath, &st);
  Changing(realPath, found ? &st : nullptr);
  if (!found) return MissingEntryError(realPath);
  // The directory and reparse-point bits are the entry's nature, not
  // settable; Windows ignores them here.
  attributes &= ~(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
  if (attributes & ~kSettableBits) return ERROR_INVALID_PARAMETER;
  storedBits_[Identity(st)] = attributes & kStoredBits;
  if (S_ISLNK(st.st_mode)) return ERROR_SUCCESS;  // chmod would change the target
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~S_IWUSR) : (mode | S_IWUSR);
  return chmod(realPath.c_str(), mode) == 0 ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

bool FileSystem::HeldWithoutDeleteSharing(const std::string& realPath) const {
  if (open_.empty()) return false;
  struct stat st;
  if (stat(realPath.c_str(), &st) != 0) return false;
  for (const auto& [key, file] : open_) {
    if (file.device == static_cast<unsigned long long>(st.st_dev) &&
        file.inode == static_cast<unsigned long long>(st.st_ino) &&
        !(file.share & FILE_SHARE_DELETE)) {
      return true;
    }
  }
  return false;
}

DWORD FileSystem::DeleteFile(const std::string& realPath) {
  struct stat st;
  if (!LookUp(realPath, &st)) return MissingEntryError(realPath);
  DWORD attributes = AttributesOf(realPath, st);
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return ERROR_ACCESS_DENIED;
  if (!S_ISLNK(st.st_mode) && HeldWithoutDeleteSharing(realPath)) return ERROR_SHARING_VIOLATION;
  // A listed entry goes by its name in the listing's open folder: the
  // kernel then walks one name, not the whole path.
  const ListedEntry* listed = memo_.Find(realPath);
  int failed =
      listed ? unlinkat(listed->folderFd, listed->name.c_str(), 0) : unlink(realPath.c_str());
  int error = errno;
  Changing(realPath, &st);
  if (failed)
    return error == ENOENT ? MissingEntryError(realPath) : ERROR_ACCESS_DENIED;  // gone meanwhile
  if (st.st_nlink <= 1) storedBits_.erase(Identity(st));
  return ERROR_SUCCESS;
}

DWORD FileSystem::CreateDirectory(const std::string& realPath) {
  Changing(realPath, nullptr);
  if (mkdir(realPath.c_str(), 0755) == 0) return ERROR_SUCCESS;
  if (errno == EEXIST) return ERROR_ALREADY_EXISTS;
  if (errno == ENOENT || errno == ENOTDIR) return ERROR_PATH_NOT_FOUND;
  return ERROR_ACCESS_DENIED;
}

DWORD FileSystem::RemoveDirectory(const std::string& realPath) {
  struct stat st;
  bool found = LookUp(realPath, &st);
  Changing(realPath, found ? &st : nullptr);
  if (!found) return MissingEntryError(realPath);
  DWORD attributes = AttributesOf(realPath, st);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return ERROR_DIRECTORY;
  // A link to a folder is removed as the link; what it points to stays.
  if (S_ISLNK(st.st_mode)) return unlink(realPath.c_str()) == 0 ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
  if (attributes & FILE_ATTRIBUTE_READONLY) return ERROR_ACCESS_DENIED;
  if (rmdir(realPath.c_str()) != 0) {
    return (errno == ENOTEMPTY || errno == EEXIST) ? ERROR_DIR_NOT_EMPTY : ERROR_ACCESS_DENIED;
  }
  storedBits_.erase(Identity(st));
  return ERROR_SUCCESS;
}

bool FileSystem::IsDriveRoot(const std::string& realFolder) const {
  for (const auto& [letter, folder] : drives_) {
    std::string root = folder;
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    if (root == realFolder) return true;
  }
  return false;
}

HANDLE FileSystem::FindFirst(const std::string& windowsPattern, WIN32_FIND_DATAA* first) {
  std::size_t cut = windowsPattern.find_last_of("\\/");
  if (cut == std::string::npos || cut + 1 == windowsPattern.size()) {
    SetError(cut == std::string::npos ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  std::string name = windowsPattern.substr(cut + 1);
  std::string folder = RealPath(windowsPattern.substr(0, cut + 1));
  if (folder.empty()) {
    SetError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  auto listing = std::make_unique<FolderListing>(*this, windowsPattern.substr(0, cut), folder, name,
                                                 !IsDriveRoot(folder));
  if (listing->openError()) {
    SetError(listing->openError());
    return INVALID_HANDLE_VALUE;
  }
  if (!listing->Next(first)) {
    // No match: a plain name that is not there is a missing file.
    SetError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  ULONG_PTR key = next_;
  next_ += 4;
  listings_[key] = std::move(listing);
  SetError(ERROR_SUCCESS);
  return reinterpret_cast<HANDLE>(key);
}

BOOL FileSystem::FindNext(HANDLE handle, WIN32_FIND_DATAA* data) {
  auto it = listings_.find(reinterpret_cast<ULONG_PTR>(handle));
  if (it == listings_.end()) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return it->second->Next(data) ? TRUE : FALSE;
}

BOOL FileSystem::FindClose(HANDLE handle) {
  if (listings_.erase(reinterpret_cast<ULONG_PTR>(handle)) == 0) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

}  // namespace desktop
