// Mouse input: the cursor, the buttons the host presses, and their delivery
// as window messages the way the system delivers them (hit test, cursor,
// mouse activation, then the client or non-client message); the capture.
#include <algorithm>

#include "platform/desktop/host.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/state.h"

using desktop::Current;

namespace {

// A raw event waits in the input queue without a window; the window is
// found when the program takes it.
bool IsRawMouseEvent(const MSG& m) {
  return !m.hwnd && m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST;
}


bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
}

// Offers the window a say in its activation by the click; false when the
// click is to be eaten.
bool MouseActivate(HWND hwnd, LRESULT hit, UINT message) {
  desktop::State& s = Current();
  HWND top = desktop::TopLevelOf(hwnd);
  if (!top || top == s.active) return true;
  LRESULT answer = desktop::Send(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                 MAKELPARAM(static_cast<WORD>(hit), message));
  bool activate = answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT || answer == 0;
  if (activate && IsWindow(top) && IsWindowEnabled(top)) desktop::ActivateWindow(top, WA_CLICKACTIVE);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

// The message the window receives for a raw event, or false when nobody
// takes it.
bool Cook(MSG raw, MSG* cooked) {
  desktop::State& s = Current();
  desktop::MouseTarget target = desktop::MouseTargetAt(raw.pt);
  desktop::MouseMovedOver(target.hwnd, target.hit);
  if (s.mouse.capture) target = {s.mouse.capture, HTCLIENT};
  if (!target.hwnd || target.hit == HTERROR || !IsWindow(target.hwnd)) return false;
  if (IsButtonDown(raw.message) && !MouseActivate(target.hwnd, target.hit, raw.message)) return false;
  if (!IsWindow(target.hwnd)) return false;
  if (!s.mouse.capture) {
    desktop::Send(target.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(target.hwnd),
                  MAKELPARAM(static_cast<WORD>(target.hit), raw.message));
    if (!IsWindow(target.hwnd)) return false;
  }
  *cooked = raw;
  cooked->hwnd = target.hwnd;
  if (target.hit == HTCLIENT) {
    POINT client = raw.pt;
    ScreenToClient(target.hwnd, &client);
    cooked->lParam = MAKELPARAM(client.x, client.y);
  } else {
    // The non-client messages mirror the client ones, 0x160 lower.
    cooked->message = raw.message - (WM_MOUSEMOVE - WM_NCMOUSEMOVE);
    cooked->wParam = static_cast<WPARAM>(target.hit);
    cooked->lParam = MAKELPARAM(raw.pt.x, raw.pt.y);
  }
  return true;
}

void QueueRaw(UINT message) {
  desktop::State& s = Current();
  s.input.push_back(MSG{nullptr, message, desktop::HeldMouseKeys(), 0, s.host->Now(), s.mouse.cursor});
}

}  // namespace

namespace desktop {

WPARAM HeldMouseKeys() {
  const desktop::Host& host = *Current().host;
  WPARAM keys = 0;
  if (host.IsKeyDown(VK_LBUTTON)) keys |= MK_LBUTTON;
  if (host.IsKeyDown(VK_RBUTTON)) keys |= MK_RBUTTON;
  if (host.IsKeyDown(VK_SHIFT)) keys |= MK_SHIFT;
  if (host.IsKeyDown(VK_CONTROL)) keys |= MK_CONTROL;
  return keys;
}

void InjectMouseMove(POINT screenPoint) {
  Current().mouse.cursor = screenPoint;
  QueueRaw(WM_MOUSEMOVE);
}

void InjectMouseButton(int virtualKey, bool down) {
  UINT message = virtualKey == VK_RBUTTON ? (down ? WM_RBUTTONDOWN : WM_RBUTTONUP)
                                          : (down ? WM_LBUTTONDOWN : WM_LBUTTONUP);
  QueueRaw(message);
}

void ResolveMouseInput() {
  // One event at a time from the front: each is taken out of the queue
  // before its window hears of it, so a handler that looks at the queue
  // meanwhile does not meet it again.
  std::deque<MSG>& input = Current().input;
  while (!input.empty() && IsRawMouseEvent(input.front())) {
    MSG raw = input.front();
    input.pop_front();
    MSG cooked{};
    if (Cook(raw, &cooked)) {
      Current().input.push_front(cooked);
      return;
    }
  }
}

void ForgetMouseStateOf(HWND hwnd) {
  MouseState& mouse = Current().mouse;
  if (mouse.capture == hwnd) mouse.capture = nullptr;
  if (mouse.tracking.hwnd == hwnd) mouse.tracking = MouseTracking{};
}

}  // namespace desktop

BOOL WINAPI GetCursorPos(LPPOINT point) {
  if (!point) {
    desktop::SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *point = Current().mouse.cursor;
  return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y) {
  desktop::State& s = Current();
  // The cursor stays on the screen; moving it is a mouse move like any other.
  POINT p{std::max(0, std::min(x, s.screenWidth - 1)), std::max(0, std::min(y, s.screenHeight - 1))};
  desktop::InjectMouseMove(p);
  return TRUE;
}

HWND WINAPI GetCapture() { return Current().mouse.capture; }

HWND WINAPI SetCapture(HWND hwnd) {
  desktop::State& s = Current();
  if (hwnd && !s.Require(hwnd)) return nullptr;
  HWND old = s.mouse.capture;
  s.mouse.capture = hwnd;
  if (old && old != hwnd && IsWindow(old)) {
    desktop::Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  }
  return old;
}

BOOL WINAPI ReleaseCapture() {
  desktop::State& s = Current();
  HWND old = s.mouse.capture;
  s.mouse.capture = nullptr;
  if (old && IsWindow(old)) desktop::Send(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}
