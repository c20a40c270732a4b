// Folder listings, attributes, deleting files and creating and removing
// folders, over the current session's file system.
#include "platform/api/kernel_functions.h"
#include "platform/desktop/file_system.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::SetError;

namespace {

// The real path of a Windows path, or empty with the error set.
std::string RealPathOrError(LPCSTR name) {
  if (!name || !*name) {
    SetError(ERROR_PATH_NOT_FOUND);
    return {};
  }
  std::string real = Current().files->RealPath(name);
  if (real.empty()) SetError(ERROR_PATH_NOT_FOUND);
  return real;
}

BOOL Outcome(DWORD error) {
  SetError(error);
  return error == ERROR_SUCCESS ? TRUE : FALSE;
}

}  // namespace

HANDLE WINAPI FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data) {
  if (!pattern || !*pattern || !data) {
    SetError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  return Current().files->FindFirst(pattern, data);
}

BOOL WINAPI FindNextFileA(HANDLE find, LPWIN32_FIND_DATAA data) {
  return Current().files->FindNext(find, data);
}

BOOL WINAPI FindClose(HANDLE find) { return Current().files->FindClose(find); }

DWORD WINAPI GetFileAttributesA(LPCSTR name) {
  std::string real = RealPathOrError(name);
  if (real.empty()) return INVALID_FILE_ATTRIBUTES;
  DWORD attributes = Current().files->Attributes(real);
  if (attributes == INVALID_FILE_ATTRIBUTES) SetError(Current().files->MissingEntryError(real));
  return attributes;
}

BOOL WINAPI SetFileAttributesA(LPCSTR name, DWORD attributes) {
  std::string real = RealPathOrError(name);
  if (real.empty()) return FALSE;
  return Outcome(Current().files->SetAttributes(real, attributes));
}

BOOL WINAPI DeleteFileA(LPCSTR name) {
  std::string real = RealPathOrError(name);
  if (real.empty()) return FALSE;
  return Outcome(Current().files->DeleteFile(real));
}

BOOL WINAPI CreateDirectoryA(LPCSTR name, SECURITY_ATTRIBUTES*) {
  std::string real = RealPathOrError(name);
  if (real.empty()) return FALSE;
  return Outcome(Current().files->CreateDirectory(real));
}

BOOL WINAPI RemoveDirectoryA(LPCSTR name) {
  std::string real = RealPathOrError(name);
  if (real.empty()) return FALSE;
  return Outcome(Current().files->RemoveDirectory(real));
}
