#include "tests/support/mouse_window.h"

#include <map>

namespace {

std::map<HWND, MouseWindowOptions>& Options() {
  static std::map<HWND, MouseWindowOptions> options;
  return options;
}

std::map<HWND, bool>& Tracked() {
  static std::map<HWND, bool> tracked;
  return tracked;
}

}  // namespace

MouseWindowOptions& MouseWindowOptionsFor(HWND hwnd) { return Options()[hwnd]; }

void ForgetMouseWindowOptions() {
  Options().clear();
  Tracked().clear();
}

LRESULT CALLBACK MouseWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageLog::Entries().push_back({hwnd, message, wParam, lParam});
  const MouseWindowOptions& options = Options()[hwnd];
  switch (message) {
    case WM_NCLBUTTONDOWN:
      return 0;  // no move loop
    case WM_MOUSEACTIVATE:
      if (options.mouseActivateAnswer) return options.mouseActivateAnswer;
      break;
    case WM_MOUSEMOVE:
      if (options.trackOnFirstMove && !Tracked()[hwnd]) {
        Tracked()[hwnd] = true;
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, hwnd, HOVER_DEFAULT};
        TrackMouseEvent(&track);
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::vector<LoggedMessage> LoggedOf(HWND hwnd, UINT message) {
  std::vector<LoggedMessage> found;
  for (const LoggedMessage& m : MessageLog::Entries()) {
    if (m.hwnd == hwnd && m.message == message) found.push_back(m);
  }
  return found;
}

std::vector<MSG> RunUntilUserIsDone() {
  std::vector<MSG> taken;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    taken.push_back(msg);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return taken;
}
