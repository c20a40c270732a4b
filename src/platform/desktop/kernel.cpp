// Process, module, error and file functions over the current session.
#include <cstring>

#include "platform/api/kernel_functions.h"
#include "platform/desktop/file_system.h"
#include "platform/desktop/host.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::SetError;

namespace {

// The program's own module handle, as Windows reports it for an executable.
HMODULE ProgramModule() { return reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(0x400000)); }

struct SystemMessage {
  DWORD id;
  const char* text;
};

// The system's texts for the errors this desktop reports, worded as Windows
// words them in English.
const SystemMessage kSystemMessages[] = {
    {ERROR_SUCCESS, "The operation completed successfully."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory resources are available to process this command."},
    {ERROR_SHARING_VIOLATION,
     "The process cannot access the file because it is being used by another process."},
    {ERROR_HANDLE_EOF, "Reached the end of the file."},
    {ERROR_FILE_EXISTS, "The file exists."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
    {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small."},
    {ERROR_NEGATIVE_SEEK,
     "An attempt was made to move the file pointer before the beginning of the file."},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists."},
    {ERROR_NO_MORE_ITEMS, "No more data is available."},
    {ERROR_INVALID_WINDOW_HANDLE, "Invalid window handle."},
    {ERROR_RESOURCE_NAME_NOT_FOUND, "The specified resource name cannot be found in the image file."},
};

}  // namespace

DWORD WINAPI GetLastError() { return Current().lastError; }
void WINAPI SetLastError(DWORD error) { Current().lastError = error; }
DWORD WINAPI GetTickCount() { return Current().host->Now(); }
DWORD WINAPI GetCurrentThreadId() { return 1; }

// The pseudo-handle of the current process, as on Windows.
HANDLE WINAPI GetCurrentProcess() { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)); }

HMODULE WINAPI GetModuleHandleA(LPCSTR name) {
  if (name == nullptr) return ProgramModule();
  SetError(ERROR_FILE_NOT_FOUND);
  return nullptr;
}

DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  if (module != nullptr && module != ProgramModule()) {
    SetError(ERROR_INVALID_HANDLE);
    return 0;
  }
  const std::string& path = Current().programPath;
  if (size == 0) {
    SetError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  // As Windows does: a path that does not fit is cut to size - 1 characters,
  // terminated, and the full size is returned with ERROR_INSUFFICIENT_BUFFER.
  if (path.size() >= size) {
    std::memcpy(buffer, path.data(), size - 1);
    buffer[size - 1] = '\0';
    SetError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  SetError(ERROR_SUCCESS);
  return static_cast<DWORD>(path.size());
}

DWORD WINAPI FormatMessageA(DWORD flags, LPCVOID, DWORD messageId, DWORD, LPSTR buffer,
                            DWORD size, void*) {
  if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER)) {
    SetError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  for (const SystemMessage& message : kSystemMessages) {
    if (message.id != messageId) continue;
    std::string text = std::string(message.text) + "\r\n";
    if (text.size() + 1 > size) {
      SetError(ERROR_INSUFFICIENT_BUFFER);
      return 0;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
  }
  SetError(317);  // ERROR_MR_MID_NOT_FOUND
  return 0;
}

HANDLE WINAPI CreateFileA(LPCSTR name, DWORD access, DWORD share, SECURITY_ATTRIBUTES*,
                          DWORD disposition, DWORD, HANDLE) {
  if (name == nullptr || *name == '\0') {
    SetError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  return Current().files->Open(name, access, share, disposition);
}

BOOL WINAPI CloseHandle(HANDLE handle) { return Current().files->Close(handle); }

BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, OVERLAPPED*) {
  return Current().files->Read(file, buffer, toRead, read);
}

BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written, OVERLAPPED*) {
  return Current().files->Write(file, buffer, toWrite, written);
}

BOOL WINAPI SetFilePointerEx(HANDLE file, LARGE_INTEGER distance, PLARGE_INTEGER newPosition,
                             DWORD method) {
  LONGLONG position = 0;
  if (!Current().files->Seek(file, distance.QuadPart, method, &position)) return FALSE;
  if (newPosition) newPosition->QuadPart = position;
  return TRUE;
}

BOOL WINAPI GetFileSizeEx(HANDLE file, PLARGE_INTEGER size) {
  LONGLONG value = 0;
  if (!Current().files->Size(file, &value)) return FALSE;
  size->QuadPart = value;
  return TRUE;
}
