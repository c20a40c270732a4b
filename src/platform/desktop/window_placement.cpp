// Window placement: GetWindowPlacement and SetWindowPlacement over the
// show states of window_position.cpp. Top-level application windows give
// their normal rectangle relative to the work area, as Windows does.
#include "platform/api/placement_functions.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::Window;

namespace {

// The offset between screen and work-area coordinates for this window.
POINT WorkAreaOffset(const Window& w) {
  if (w.parent || (w.exStyle & WS_EX_TOOLWINDOW)) return POINT{0, 0};
  const RECT& work = Current().workArea;
  return POINT{work.left, work.top};
}

RECT Shift(RECT r, POINT by, int sign) {
  return RECT{r.left + sign * by.x, r.top + sign * by.y, r.right + sign * by.x,
              r.bottom + sign * by.y};
}

}  // namespace

BOOL WINAPI GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
  Window* w = Current().Require(hwnd);
  if (!w || !placement) return FALSE;
  bool minimised = w->style & WS_MINIMIZE, maximised = w->style & WS_MAXIMIZE;
  placement->length = sizeof(WINDOWPLACEMENT);
  placement->flags = (minimised && w->restoreMaximised) ? WPF_RESTORETOMAXIMIZED : 0;
  placement->showCmd = minimised ? SW_SHOWMINIMIZED : maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  placement->ptMinPosition = POINT{-1, -1};
  placement->ptMaxPosition = POINT{-1, -1};
  RECT normal = (minimised || maximised) ? w->normalRect : w->rect;
  placement->rcNormalPosition = Shift(normal, WorkAreaOffset(*w), -1);
  return TRUE;
}

BOOL WINAPI SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement) {
  Window* w = Current().Require(hwnd);
  if (!w || !placement) {
    if (w) desktop::SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  RECT normal = Shift(placement->rcNormalPosition, WorkAreaOffset(*w), 1);
  if (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
    w->normalRect = normal;
  } else {
    SetWindowPos(hwnd, nullptr, normal.left, normal.top, normal.right - normal.left,
                 normal.bottom - normal.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!(w = Current().Find(hwnd))) return FALSE;
  UINT command = placement->showCmd;
  if (command == SW_RESTORE || command == SW_SHOWDEFAULT) command = SW_SHOWNORMAL;
  ShowWindow(hwnd, static_cast<int>(command));
  if ((w = Current().Find(hwnd)) && (w->style & WS_MINIMIZE)) {
    w->restoreMaximised = (placement->flags & WPF_RESTORETOMAXIMIZED) != 0 || w->restoreMaximised;
  }
  return TRUE;
}
