#include "platform/desktop/taskbar.h"

#include <algorithm>

#include "platform/desktop/state.h"

namespace desktop {

bool HasTaskbarButton(HWND hwnd) {
  Window* w = Current().Find(hwnd);
  if (!w || w->parent || !(w->style & WS_VISIBLE)) return false;
  if (w->exStyle & WS_EX_APPWINDOW) return true;
  return !w->owner && !(w->exStyle & WS_EX_TOOLWINDOW);
}

std::vector<HWND> TaskbarButtons() {
  std::vector<HWND> buttons;
  for (HWND hwnd : Current().topLevels) {
    if (HasTaskbarButton(hwnd)) buttons.push_back(hwnd);
  }
  return buttons;
}

bool ClickTaskbarButton(HWND hwnd) {
  if (!HasTaskbarButton(hwnd)) return false;
  State& s = Current();
  Window* w = s.Find(hwnd);
  if (w->style & WS_MINIMIZE) {
    Log("user: clicks the taskbar button of \"" + w->text + "\" to restore it");
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  } else if (s.active == hwnd) {
    Log("user: clicks the taskbar button of \"" + w->text + "\" to minimise it");
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else {
    Log("user: clicks the taskbar button of \"" + w->text + "\"");
    SetForegroundWindow(hwnd);
  }
  return true;
}

bool RightClickTaskbarButton(HWND hwnd, POINT at) {
  if (!HasTaskbarButton(hwnd)) return false;
  Log("user: right-clicks the taskbar button of \"" + Current().Find(hwnd)->text + "\"");
  PostMessageA(hwnd, WM_POPUPSYSTEMMENU, 0, MAKELPARAM(at.x, at.y));
  return true;
}

}  // namespace desktop
