// Files as the program sees them: Windows paths with drive letters mapped
// onto real folders the way Wine maps them (C: to the run's own folder,
// Z: to the real root), names compared without regard to case, and the
// sharing rules of CreateFile between the handles the program holds.
#pragma once

#include <map>
#include <string>

#include "platform/api/kernel_functions.h"

namespace desktop {

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
  ~FileSystem();

 private:
  struct OpenFile {
    int fd;
    unsigned long long device;
    unsigned long long inode;
    DWORD access;
    DWORD share;
  };
  OpenFile* Find(HANDLE handle);

  std::map<char, std::string> drives_;
  std::map<ULONG_PTR, OpenFile> open_;
  ULONG_PTR next_ = 0x104;
};

}  // namespace desktop
