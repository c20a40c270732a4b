// Files as the program sees them: Windows paths with drive letters mapped
// onto real folders the way Wine maps them (C: to the run's own folder,
// Z: to the real root), names compared without regard to case, and the
// sharing rules of CreateFile between the handles the program holds.
// Attribute bits: read-only is the owner's missing write permission (kept
// by the real file system); hidden, system and archive are kept here, by
// file identity, for as long as the run lasts. The entries listings
// returned last are remembered (EntryMemo) until they change.
#pragma once

#include <sys/stat.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/api/kernel_functions.h"
#include "platform/desktop/entry_memo.h"

namespace desktop {

class FolderListing;

class FileSystem {
 public:
  void MapDrive(char letter, std::string realFolder);

  // The real path for a Windows path; each existing component is matched
  // without regard to case. Empty when the drive is not mapped.
  std::string RealPath(const std::string& windowsPath) const;

  HANDLE Open(const std::string& windowsPath, DWORD access, DWORD share, DWORD disposition);
  BOOL Close(HANDLE handle);
  BOOL Read(HANDLE handle, void* buffer, DWORD toRead, DWORD* read);
  BOOL Write(HANDLE handle, const void* buffer, DWORD toWrite, DWORD* written);
  BOOL Seek(HANDLE handle, LONGLONG distance, DWORD method, LONGLONG* newPosition);
  BOOL Size(HANDLE handle, LONGLONG* size);

  std::size_t openCount() const { return open_.size(); }
  FileSystem();
  ~FileSystem();
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;

  // Attributes of a real path, as GetFileAttributes reports them: a
  // symbolic link is a reparse point (and a directory when it points at
  // one), never followed. INVALID_FILE_ATTRIBUTES when there is no entry.
  DWORD Attributes(const std::string& realPath, unsigned long long* size = nullptr) const;
  // The same for an entry a listing reads: `name` in the open folder
  // `folderFd`, at `realPath` and, as the program names it, `windowsPath`.
  // The look-up is remembered for the calls that follow on the entry.
  DWORD ListedAttributes(int folderFd, const char* name, std::string windowsPath,
                         std::string realPath, unsigned long long* size);
  // A listing closes its folder `folderFd`: its entries are forgotten.
  void ListingClosed(int folderFd) { memo_.ForgetFolder(folderFd); }
  // Each answers a Windows error code, ERROR_SUCCESS on success.
  DWORD SetAttributes(const std::string& realPath, DWORD attributes);
  DWORD DeleteFile(const std::string& realPath);
  DWORD CreateDirectory(const std::string& realPath);
  DWORD RemoveDirectory(const std::string& realPath);

  // ERROR_FILE_NOT_FOUND when the folder of a missing entry exists, else
  // ERROR_PATH_NOT_FOUND.
  DWORD MissingEntryError(const std::string& realPath) const;

  // Folder listings (FindFirstFile handles).
  HANDLE FindFirst(const std::string& windowsPattern, WIN32_FIND_DATAA* first);
  BOOL FindNext(HANDLE handle, WIN32_FIND_DATAA* data);
  BOOL FindClose(HANDLE handle);

 private:
  struct OpenFile {
    int fd;
    unsigned long long device;
    unsigned long long inode;
    DWORD access;
    DWORD share;
  };
  OpenFile* Find(HANDLE handle);
  // lstat, answered from the memo when it holds the entry.
  bool LookUp(const std::string& realPath, struct stat* st) const;
  // Before a change at `realPath` (`st`: its look-up, when it exists).
  void Changing(const std::string& realPath, const struct stat* st);
  bool HeldWithoutDeleteSharing(const std::string& realPath) const;
  DWORD AttributesOf(const std::string& realPath, const struct stat& st) const;
  bool IsDriveRoot(const std::string& realFolder) const;

  std::map<char, std::string> drives_;
  std::map<ULONG_PTR, OpenFile> open_;
  std::map<ULONG_PTR, std::unique_ptr<FolderListing>> listings_;
  // Hidden, system and archive bits by (device, inode), once set.
  std::map<std::pair<unsigned long long, unsigned long long>, DWORD> storedBits_;
  ULONG_PTR next_ = 0x104;
  EntryMemo memo_;
};

}  // namespace desktop
