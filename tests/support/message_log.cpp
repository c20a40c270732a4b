#include "tests/support/message_log.h"

#include <cstdio>

std::vector<LoggedMessage>& MessageLog::Entries() {
  static std::vector<LoggedMessage> entries;
  return entries;
}

namespace {

// Messages Windows sends for its own services (icons for the task switcher,
// palettes, input methods, accessibility, themed frames) that depend on the
// system's version and theme rather than on the call under test.
bool IsSystemChatter(UINT message) {
  switch (message) {
    case 0x000D:  // WM_GETTEXT, when the system draws the caption
    case 0x003D:  // WM_GETOBJECT
    case 0x007F:  // WM_GETICON
    case 0x00AE:  // a themed caption redrawn
    case 0x00AF:  // a themed frame redrawn
    case 0x0281:  // WM_IME_SETCONTEXT
    case 0x0282:  // WM_IME_NOTIFY
    case 0x030F:  // WM_QUERYNEWPALETTE
    case 0x0311:  // WM_PALETTECHANGED
      return true;
    default:
      return false;
  }
}

}  // namespace

std::vector<UINT> MessageLog::For(HWND hwnd) {
  std::vector<UINT> messages;
  for (const LoggedMessage& m : Entries()) {
    if ((!hwnd || m.hwnd == hwnd) && !IsSystemChatter(m.message)) messages.push_back(m.message);
  }
  return messages;
}

LRESULT CALLBACK RecordingWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageLog::Entries().push_back({hwnd, message, wParam, lParam});
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::string MessageName(UINT message) {
  switch (message) {
#define NAME(m) \
  case m: return #m;
    NAME(WM_CREATE) NAME(WM_DESTROY) NAME(WM_MOVE) NAME(WM_SIZE) NAME(WM_ACTIVATE)
    NAME(WM_SETFOCUS) NAME(WM_KILLFOCUS) NAME(WM_ENABLE) NAME(WM_SETTEXT) NAME(WM_PAINT)
    NAME(WM_CLOSE) NAME(WM_ERASEBKGND) NAME(WM_SHOWWINDOW) NAME(WM_ACTIVATEAPP)
    NAME(WM_GETMINMAXINFO) NAME(WM_SETFONT) NAME(WM_WINDOWPOSCHANGING)
    NAME(WM_WINDOWPOSCHANGED) NAME(WM_NCCREATE) NAME(WM_NCDESTROY) NAME(WM_NCCALCSIZE)
    NAME(WM_NCACTIVATE) NAME(WM_KEYDOWN) NAME(WM_KEYUP) NAME(WM_CHAR) NAME(WM_SYSKEYDOWN)
    NAME(WM_SYSKEYUP) NAME(WM_INITDIALOG) NAME(WM_COMMAND) NAME(WM_SYSCOMMAND) NAME(WM_TIMER)
    NAME(WM_NULL) NAME(WM_USER) NAME(WM_CANCELMODE) NAME(WM_NCPAINT)
    NAME(WM_SETCURSOR) NAME(WM_MOUSEACTIVATE) NAME(WM_DRAWITEM) NAME(WM_NCHITTEST)
    NAME(WM_NCMOUSEMOVE) NAME(WM_NCLBUTTONDOWN) NAME(WM_NCLBUTTONUP) NAME(WM_MOUSEMOVE)
    NAME(WM_LBUTTONDOWN) NAME(WM_LBUTTONUP) NAME(WM_RBUTTONDOWN) NAME(WM_RBUTTONUP)
    NAME(WM_CAPTURECHANGED) NAME(WM_MOUSEHOVER) NAME(WM_MOUSELEAVE)
    NAME(WM_ENTERSIZEMOVE) NAME(WM_EXITSIZEMOVE) NAME(WM_MOVING) NAME(WM_SIZING)
#undef NAME
    default: {
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "0x%04X", message);
      return buffer;
    }
  }
}

::testing::AssertionResult SameSequence(const std::vector<UINT>& expected,
                                        const std::vector<UINT>& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  std::string text = "\n  expected:";
  for (UINT m : expected) text += " " + MessageName(m);
  text += "\n  actual:  ";
  for (UINT m : actual) text += " " + MessageName(m);
  return ::testing::AssertionFailure() << text;
}
