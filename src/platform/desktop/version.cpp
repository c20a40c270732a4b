// GetVersionExA: the version the run chose (Windows 10 unless told otherwise).
#include <cstring>

#include "platform/api/kernel_functions.h"
#include "platform/desktop/state.h"

namespace {

constexpr DWORD kInfoSize = sizeof(OSVERSIONINFOA);  // 148
constexpr DWORD kInfoExSize = 156;                   // OSVERSIONINFOEXA

}  // namespace

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info) {
  if (!info || (info->dwOSVersionInfoSize != kInfoSize && info->dwOSVersionInfoSize != kInfoExSize)) {
    desktop::SetError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  const desktop::WindowsVersion& version = desktop::Current().version;
  info->dwMajorVersion = version.major;
  info->dwMinorVersion = version.minor;
  info->dwBuildNumber = version.build;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
  if (info->dwOSVersionInfoSize == kInfoExSize) {
    std::memset(reinterpret_cast<BYTE*>(info) + kInfoSize, 0, kInfoExSize - kInfoSize);
  }
  return TRUE;
}
