// Special folders and their item lists. The run's user profile lives on
// drive C: of the run's root folder; each special folder is a plain folder
// there. An item list here is one item that holds the folder's path.
#include <cstring>
#include <string>

#include "platform/api/shell_functions.h"
#include "platform/desktop/file_system.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::SetError;

namespace {

constexpr BYTE kPathItemMarker = 'P';

// The special folder's Windows path, or empty for a folder this desktop
// does not know.
std::string FolderPath(int csidl) {
  auto it = Current().specialFolders.find(csidl);
  return it == Current().specialFolders.end() ? std::string() : it->second;
}

bool FolderExists(const std::string& windowsPath) {
  std::string real = Current().files->RealPath(windowsPath);
  DWORD attributes = real.empty() ? INVALID_FILE_ATTRIBUTES : Current().files->Attributes(real);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Creates the folder and every missing folder above it.
bool CreateFolderPath(const std::string& windowsPath) {
  for (std::size_t at = windowsPath.find('\\', 3); ; at = windowsPath.find('\\', at + 1)) {
    std::string prefix = windowsPath.substr(0, at);
    if (!FolderExists(prefix)) CreateDirectoryA(prefix.c_str(), nullptr);
    if (at == std::string::npos) break;
  }
  return FolderExists(windowsPath);
}

}  // namespace

BOOL WINAPI SHGetSpecialFolderPathA(HWND, LPSTR path, int csidl, BOOL create) {
  std::string folder = FolderPath(csidl);
  if (folder.empty() || !path) {
    SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (folder.size() >= MAX_PATH) {
    SetError(ERROR_FILENAME_EXCED_RANGE);
    return FALSE;
  }
  if (!FolderExists(folder) && !(create && CreateFolderPath(folder))) {
    SetError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  std::memcpy(path, folder.c_str(), folder.size() + 1);
  return TRUE;
}

HRESULT WINAPI SHGetSpecialFolderLocation(HWND, int csidl, PIDLIST_ABSOLUTE* idList) {
  if (!idList) return E_INVALIDARG;
  *idList = nullptr;
  std::string folder = FolderPath(csidl);
  if (folder.empty()) return E_INVALIDARG;
  if (!FolderExists(folder)) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
  // One item (size, marker, path and its terminator), then the list's end.
  std::size_t itemSize = sizeof(USHORT) + 1 + folder.size() + 1;
  if (itemSize > 0xFFFF) return E_INVALIDARG;
  auto* bytes = static_cast<BYTE*>(CoTaskMemAlloc(itemSize + sizeof(USHORT)));
  if (!bytes) return E_OUTOFMEMORY;
  USHORT size = static_cast<USHORT>(itemSize);
  std::memcpy(bytes, &size, sizeof size);
  bytes[sizeof(USHORT)] = kPathItemMarker;
  std::memcpy(bytes + sizeof(USHORT) + 1, folder.c_str(), folder.size() + 1);
  std::memset(bytes + itemSize, 0, sizeof(USHORT));
  *idList = reinterpret_cast<PIDLIST_ABSOLUTE>(bytes);
  return S_OK;
}

BOOL WINAPI SHGetPathFromIDListA(PCIDLIST_ABSOLUTE idList, LPSTR path) {
  if (!idList || !path) return FALSE;
  path[0] = '\0';
  const auto* bytes = reinterpret_cast<const BYTE*>(idList);
  USHORT size = 0;
  std::memcpy(&size, bytes, sizeof size);
  if (size < sizeof(USHORT) + 2 || bytes[sizeof(USHORT)] != kPathItemMarker) return FALSE;
  const char* folder = reinterpret_cast<const char*>(bytes + sizeof(USHORT) + 1);
  std::size_t length = size - sizeof(USHORT) - 2;
  if (length >= MAX_PATH) return FALSE;  // the caller's buffer holds MAX_PATH bytes
  std::memcpy(path, folder, length + 1);
  return TRUE;
}
