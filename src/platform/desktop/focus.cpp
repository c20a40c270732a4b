// Activation, keyboard focus and enabling.
#include <algorithm>

#include "platform/desktop/state.h"

using desktop::Current;
using desktop::Window;

namespace desktop {

void ActivateWindow(HWND hwnd, WORD how) {
  State& s = Current();
  HWND old = s.active;
  if (old == hwnd) return;
  if (old && s.Find(old)) {
    Send(old, WM_NCACTIVATE, FALSE, 0);
    Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), reinterpret_cast<LPARAM>(hwnd));
    if (s.focus && TopLevelOf(s.focus) == old) {
      HWND lost = s.focus;
      s.focus = nullptr;
      Send(lost, WM_KILLFOCUS, 0, 0);
    }
  }
  s.active = hwnd;
  Window* w = s.Find(hwnd);
  if (!w) return;
  auto& order = s.topLevels;
  order.erase(std::remove(order.begin(), order.end(), hwnd), order.end());
  order.insert(order.begin(), hwnd);
  if (!old) Send(hwnd, WM_ACTIVATEAPP, TRUE, 0);
  Send(hwnd, WM_NCACTIVATE, TRUE, 0);
  Send(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(hwnd)), reinterpret_cast<LPARAM>(old));
}

}  // namespace desktop

HWND WINAPI SetFocus(HWND hwnd) {
  desktop::State& s = Current();
  HWND old = s.focus;
  if (!hwnd) {
    s.focus = nullptr;
    if (old) desktop::Send(old, WM_KILLFOCUS, 0, 0);
    return old;
  }
  Window* w = s.Require(hwnd);
  if (!w) return nullptr;
  HWND top = desktop::TopLevelOf(hwnd);
  if (!IsWindowEnabled(top)) return nullptr;
  if (s.active != top) {
    desktop::ActivateWindow(top);
    old = s.focus;
    if (old == hwnd) return old;
  }
  if (old == hwnd) return old;
  s.focus = hwnd;
  if (old && s.Find(old)) desktop::Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (s.focus == hwnd) desktop::Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND WINAPI GetFocus() { return Current().focus; }
HWND WINAPI GetActiveWindow() { return Current().active; }
HWND WINAPI GetForegroundWindow() { return Current().active; }

HWND WINAPI SetActiveWindow(HWND hwnd) {
  desktop::State& s = Current();
  HWND old = s.active;
  if (hwnd && !s.Require(hwnd)) return nullptr;
  desktop::ActivateWindow(desktop::TopLevelOf(hwnd));
  return old;
}

BOOL WINAPI SetForegroundWindow(HWND hwnd) {
  if (!Current().Require(hwnd)) return FALSE;
  desktop::ActivateWindow(desktop::TopLevelOf(hwnd));
  return TRUE;
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
  desktop::State& s = Current();
  Window* w = s.Require(hwnd);
  if (!w) return FALSE;
  BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
  if (enable && wasDisabled) {
    w->style &= ~static_cast<DWORD>(WS_DISABLED);
    desktop::Send(hwnd, WM_ENABLE, TRUE, 0);
  } else if (!enable && !wasDisabled) {
    desktop::Send(hwnd, WM_CANCELMODE, 0, 0);
    if (!(w = s.Find(hwnd))) return FALSE;
    w->style |= WS_DISABLED;
    if (s.focus == hwnd || IsChild(hwnd, s.focus)) SetFocus(nullptr);
    desktop::Send(hwnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled;
}
