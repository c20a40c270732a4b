#include "desktop/shortcuts.h"

#include <cstring>

#include "fw/file_find.h"
#include "fw/string.h"

namespace {

constexpr char kQuickLaunchUnderAppData[] = "\\Microsoft\\Internet Explorer\\Quick Launch";

// The special folder's path through its item list, into a MAX_PATH buffer.
bool SpecialFolderPath(int csidl, char (&path)[MAX_PATH]) {
  LPITEMIDLIST items = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &items))) return false;
  BOOL found = ::SHGetPathFromIDListA(items, path);
  ::CoTaskMemFree(items);
  return found != FALSE;
}

// The taskbar pin verb exists on the shell of Windows versions before 10.
void PinToTaskbarBeforeWindows10(const CString& linkPath) {
  OSVERSIONINFOA version;
  std::memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  ::GetVersionExA(&version);  // on failure the major version stays 0: pin
  if (version.dwMajorVersion < 10) {
    ::ShellExecuteA(nullptr, "taskbarpin", linkPath, nullptr, nullptr, SW_SHOWNORMAL);
  }
}

}  // namespace

int CreateDesktopShortcut(LPCSTR name, LPCSTR target, LPCSTR workingDirectory) {
  char folder[MAX_PATH] = {};
  if (!SpecialFolderPath(CSIDL_DESKTOPDIRECTORY, folder)) return 0;
  CString linkPath;
  linkPath.Format("%s\\%s.lnk", folder, name);

  CFileFind existing;
  if (existing.FindFile(linkPath)) return 1;  // whatever it is, it stays as it is

  int result = CreateShortcutFile(folder, name, target, workingDirectory);
  if (result == 1) PinToTaskbarBeforeWindows10(linkPath);
  return result;
}

int CreateQuickLaunchShortcut(LPCSTR name, LPCSTR target, LPCSTR workingDirectory) {
  char folder[MAX_PATH] = {};
  if (!SpecialFolderPath(CSIDL_APPDATA, folder)) return 0;
  // A folder that would not fit the buffer fails cleanly.
  if (std::strlen(folder) + std::strlen(kQuickLaunchUnderAppData) >= MAX_PATH) return 0;
  std::strcat(folder, kQuickLaunchUnderAppData);
  return CreateShortcutFile(folder, name, target, workingDirectory);
}
