// tessal_window_probe: looks at the program's windows from another process
// of the same Wine session, for the check of tessal.exe.
//
//   wait-launcher SECONDS     waits for the launcher (a top-level dialog of
//                             the given process image) and prints its
//                             window rectangle: "launcher L T R B"
//   control-rect ID           prints "control ID L T R B", screen coordinates
//   layered                   prints "layered KEY FLAGS" (hex) of the launcher
//   close                     posts WM_CLOSE to the launcher
//   folders                   prints the desktop and application data folders
//   gone SECONDS              waits until no launcher is left; 0 when gone
//
// Exit codes: 0 done, 1 not found or timed out, 2 bad usage.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kDialogClass[] = "#32770";

// The launcher: a visible top-level dialog whose process runs Tessal.exe.
// Found by class and by being the only dialog of another process.
HWND FindLauncher() {
  struct Search {
    HWND found = nullptr;
  } search;
  ::EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        char className[64] = {};
        ::GetClassNameA(window, className, sizeof className);
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (std::strcmp(className, kDialogClass) == 0 && process != ::GetCurrentProcessId() &&
            ::IsWindowVisible(window)) {
          reinterpret_cast<Search*>(data)->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForLauncher(double seconds) {
  DWORD until = ::GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    if (HWND launcher = FindLauncher()) return launcher;
    if (static_cast<LONG>(::GetTickCount() - until) > 0) return nullptr;
    ::Sleep(100);
  }
}

void PrintRect(const char* label, const RECT& r) {
  std::printf("%s %ld %ld %ld %ld\n", label, r.left, r.top, r.right, r.bottom);
}

int Usage() {
  std::fprintf(stderr,
               "usage: tessal_window_probe wait-launcher SECONDS | control-rect ID | layered | "
               "close | folders | gone SECONDS\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const char* command = argv[1];

  if (std::strcmp(command, "folders") == 0) {
    char desktop[MAX_PATH] = {}, appData[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE) ||
        !::SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE)) {
      return 1;
    }
    std::printf("desktop %s\nappdata %s\n", desktop, appData);
    return 0;
  }
  if (std::strcmp(command, "wait-launcher") == 0 && argc == 3) {
    HWND launcher = WaitForLauncher(std::atof(argv[2]));
    if (!launcher) return 1;
    RECT r;
    ::GetWindowRect(launcher, &r);
    PrintRect("launcher", r);
    return 0;
  }
  if (std::strcmp(command, "gone") == 0 && argc == 3) {
    DWORD until = ::GetTickCount() + static_cast<DWORD>(std::atof(argv[2]) * 1000);
    while (FindLauncher()) {
      if (static_cast<LONG>(::GetTickCount() - until) > 0) return 1;
      ::Sleep(100);
    }
    return 0;
  }

  HWND launcher = FindLauncher();
  if (!launcher) return 1;
  if (std::strcmp(command, "control-rect") == 0 && argc == 3) {
    HWND control = ::GetDlgItem(launcher, std::atoi(argv[2]));
    if (!control) return 1;
    RECT r;
    ::GetWindowRect(control, &r);
    std::printf("control %s ", argv[2]);
    PrintRect("", r);
    return 0;
  }
  if (std::strcmp(command, "layered") == 0) {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!(::GetWindowLongA(launcher, GWL_EXSTYLE) & WS_EX_LAYERED) ||
        !::GetLayeredWindowAttributes(launcher, &key, &alpha, &flags)) {
      return 1;
    }
    std::printf("layered %06lX %lX\n", static_cast<unsigned long>(key),
                static_cast<unsigned long>(flags));
    return 0;
  }
  if (std::strcmp(command, "close") == 0) {
    return ::PostMessageA(launcher, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  return Usage();
}
