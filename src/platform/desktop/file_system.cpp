#include "platform/desktop/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <vector>

#include "platform/desktop/codepage.h"
#include "platform/desktop/file_listing.h"
#include "platform/desktop/state.h"

namespace desktop {
namespace {

std::vector<std::string> SplitComponents(const std::string& path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) parts.push_back(current);
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) parts.push_back(current);
  return parts;
}

// The entry of `folder` whose name equals `name` without regard to case;
// `name` itself when there is none (it may be about to be created).
std::string MatchEntry(const std::string& folder, const std::string& name) {
  struct stat st;
  std::string exact = folder + "/" + name;
  if (lstat(exact.c_str(), &st) == 0) return name;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return name;
  std::string found = name;
  while (dirent* entry = readdir(dir)) {
    if (strcasecmp(entry->d_name, name.c_str()) == 0) {
      found = entry->d_name;
      break;
    }
  }
  closedir(dir);
  return found;
}

DWORD ErrorFromErrno(int error, bool folderMissing) {
  switch (error) {
    case ENOENT:
      return folderMissing ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    default:
      return ERROR_ACCESS_DENIED;
  }
}

bool Allows(DWORD share, DWORD access) {
  if ((access & GENERIC_READ) && !(share & FILE_SHARE_READ)) return false;
  if ((access & GENERIC_WRITE) && !(share & FILE_SHARE_WRITE)) return false;
  return true;
}

}  // namespace

FileSystem::FileSystem() = default;

FileSystem::~FileSystem() {
  for (auto& [key, file] : open_) close(file.fd);
}

void FileSystem::MapDrive(char letter, std::string realFolder) {
  drives_[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] =
      std::move(realFolder);
}

std::string FileSystem::RealPath(const std::string& windowsPath) const {
  if (windowsPath.size() < 2 || windowsPath[1] != ':') return {};
  if (const ListedEntry* listed = memo_.FindByWindowsPath(windowsPath)) return listed->realPath;
  auto drive = drives_.find(static_cast<char>(std::toupper(static_cast<unsigned char>(windowsPath[0]))));
  if (drive == drives_.end()) return {};
  std::string real = drive->second;
  while (real.size() > 1 && real.back() == '/') real.pop_back();
  std::vector<std::string> parts = SplitComponents(windowsPath.substr(2));
  // Most paths are written as they exist: one look-up settles them.
  std::string exact = real == "/" ? std::string() : real;
  for (const std::string& part : parts) exact += "/" + Cp936ToUtf8(part);
  struct stat st;
  if (!exact.empty() && LookUp(exact, &st)) return exact;
  for (const std::string& part : parts) {
    std::string name = Cp936ToUtf8(part);
    real = (real == "/" ? std::string() : real) + "/" + MatchEntry(real, name);
  }
  return real.empty() ? "/" : real;
}

FileSystem::OpenFile* FileSystem::Find(HANDLE handle) {
  auto it = open_.find(reinterpret_cast<ULONG_PTR>(handle));
  return it == open_.end() ? nullptr : &it->second;
}

bool FileSystem::LookUp(const std::string& realPath, struct stat* st) const {
  if (const ListedEntry* listed = memo_.Find(realPath)) {
    *st = listed->st;
    return true;
  }
  return lstat(realPath.c_str(), st) == 0;
}

void FileSystem::Changing(const std::string& realPath, const struct stat* st) {
  memo_.Forget(realPath);
  if (st) memo_.ForgetFile(st->st_dev, st->st_ino);
}

HANDLE FileSystem::Open(const std::string& windowsPath, DWORD access, DWORD share,
                        DWORD disposition) {
  std::string real = RealPath(windowsPath);
  if (real.empty()) {
    SetError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  int flags = (access & GENERIC_WRITE) ? ((access & GENERIC_READ) ? O_RDWR : O_WRONLY) : O_RDONLY;
  switch (disposition) {
    case CREATE_NEW: flags |= O_CREAT | O_EXCL; break;
    case CREATE_ALWAYS: flags |= O_CREAT | O_TRUNC; break;
    case OPEN_ALWAYS: flags |= O_CREAT; break;
    case TRUNCATE_EXISTING: flags |= O_TRUNC; break;
    default: break;
  }
  struct stat st;
  bool exists = stat(real.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) {
    SetError(ERROR_ACCESS_DENIED);  // a folder cannot be opened as a file
    return INVALID_HANDLE_VALUE;
  }
  if (exists) {
    for (auto& [key, other] : open_) {
      if (other.device == st.st_dev && other.inode == st.st_ino &&
          (!Allows(other.share, access) || !Allows(share, other.access))) {
        SetError(ERROR_SHARING_VIOLATION);
        return INVALID_HANDLE_VALUE;
      }
    }
  }
  int fd = open(real.c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) {
    std::string folder = real.substr(0, real.rfind('/'));
    struct stat folderStat;
    bool folderMissing = !folder.empty() && stat(folder.c_str(), &folderStat) != 0;
    SetError(ErrorFromErrno(errno, folderMissing));
    return INVALID_HANDLE_VALUE;
  }
  fstat(fd, &st);
  Changing(real, &st);  // it may have been created or truncated, and may be written
  ULONG_PTR key = next_;
  next_ += 4;
  open_[key] = OpenFile{fd, static_cast<unsigned long long>(st.st_dev),
                        static_cast<unsigned long long>(st.st_ino), access, share};
  SetError((exists && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS))
               ? ERROR_ALREADY_EXISTS
               : ERROR_SUCCESS);
  return reinterpret_cast<HANDLE>(key);
}

BOOL FileSystem::Close(HANDLE handle) {
  auto it = open_.find(reinterpret_cast<ULONG_PTR>(handle));
  if (it == open_.end()) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  close(it->second.fd);
  open_.erase(it);
  return TRUE;
}

BOOL FileSystem::Read(HANDLE handle, void* buffer, DWORD toRead, DWORD* read) {
  OpenFile* file = Find(handle);
  if (read) *read = 0;
  if (!file) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!(file->access & GENERIC_READ)) {
    SetError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  DWORD total = 0;
  while (total < toRead) {
    ssize_t n = ::read(file->fd, static_cast<char*>(buffer) + total, toRead - total);
    if (n < 0) {
      if (errno == EINTR) continue;
      SetError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    if (n == 0) break;
    total += static_cast<DWORD>(n);
  }
  if (read) *read = total;
  return TRUE;
}

BOOL FileSystem::Write(HANDLE handle, const void* buffer, DWORD toWrite, DWORD* written) {
  OpenFile* file = Find(handle);
  if (written) *written = 0;
  if (!file) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!(file->access & GENERIC_WRITE)) {
    SetError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  memo_.ForgetFile(file->device, file->inode);
  DWORD total = 0;
  while (total < toWrite) {
    ssize_t n = ::write(file->fd, static_cast<const char*>(buffer) + total, toWrite - total);
    if (n < 0) {
      if (errno == EINTR) continue;
      SetError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    total += static_cast<DWORD>(n);
  }
  if (written) *written = total;
  return TRUE;
}

BOOL FileSystem::Seek(HANDLE handle, LONGLONG distance, DWORD method, LONGLONG* newPosition) {
  OpenFile* file = Find(handle);
  if (!file) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  LONGLONG base = 0;
  if (method == FILE_CURRENT) {
    base = lseek(file->fd, 0, SEEK_CUR);
  } else if (method == FILE_END) {
    struct stat st;
    fstat(file->fd, &st);
    base = st.st_size;
  } else if (method != FILE_BEGIN) {
    SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  LONGLONG target = base + distance;
  if (target < 0) {
    SetError(ERROR_NEGATIVE_SEEK);
    return FALSE;
  }
  lseek(file->fd, target, SEEK_SET);
  if (newPosition) *newPosition = target;
  return TRUE;
}

BOOL FileSystem::Size(HANDLE handle, LONGLONG* size) {
  OpenFile* file = Find(handle);
  if (!file) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  struct stat st;
  fstat(file->fd, &st);
  *size = st.st_size;
  return TRUE;
}

}  // namespace desktop
