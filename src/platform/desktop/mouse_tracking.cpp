// TrackMouseEvent: one WM_MOUSEHOVER after the mouse rests on a window's
// client area for the hover time, one WM_MOUSELEAVE when it leaves; each
// answers the request and ends it.
#include <cstdlib>

#include "platform/desktop/host.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::MouseTracking;

namespace {

bool WithinHoverRect(POINT rest, POINT p) {
  return std::abs(p.x - rest.x) <= desktop::kMouseHoverSize / 2 &&
         std::abs(p.y - rest.y) <= desktop::kMouseHoverSize / 2;
}

void Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Current().posted.push_back(MSG{hwnd, message, wParam, lParam, 0, {0, 0}});
}

void EndIfAnswered(MouseTracking& t) {
  if (!t.hover && !t.leave) t = MouseTracking{};
}


}  // namespace

namespace desktop {

void MouseMovedOver(HWND hwnd, LRESULT hit) {
  State& s = Current();
  MouseTracking& t = s.mouse.tracking;
  if (!t.hwnd) return;
  if (hwnd != t.hwnd || hit != HTCLIENT) {
    // Leaving the client area ends all tracking, answered or not.
    if (t.leave) Post(t.hwnd, WM_MOUSELEAVE, 0, 0);
    t = MouseTracking{};
    return;
  }
  if (!WithinHoverRect(t.restPoint, s.mouse.cursor)) {
    t.restPoint = s.mouse.cursor;
    t.restSince = s.host->Now();
  }
}

std::optional<DWORD> NextHoverDue() {
  const MouseTracking& t = Current().mouse.tracking;
  if (!t.hwnd || !t.hover) return std::nullopt;
  return t.restSince + t.hoverTime;
}

void PostDueHover() {
  State& s = Current();
  std::optional<DWORD> due = NextHoverDue();
  if (!due || static_cast<int>(s.host->Now() - *due) < 0) return;
  MouseTracking& t = s.mouse.tracking;
  POINT client = s.mouse.cursor;
  ScreenToClient(t.hwnd, &client);
  Post(t.hwnd, WM_MOUSEHOVER, desktop::HeldMouseKeys(), MAKELPARAM(client.x, client.y));
  t.hover = false;
  EndIfAnswered(t);
}

}  // namespace desktop

BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT track) {
  desktop::State& s = Current();
  if (!track || track->cbSize != sizeof(TRACKMOUSEEVENT)) {
    desktop::SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  MouseTracking& t = s.mouse.tracking;
  if (track->dwFlags & TME_QUERY) {
    track->dwFlags = t.hwnd ? ((t.hover ? TME_HOVER : 0) | (t.leave ? TME_LEAVE : 0)) : 0;
    track->hwndTrack = t.hwnd;
    track->dwHoverTime = t.hwnd ? t.hoverTime : 0;
    return TRUE;
  }
  if (!s.Require(track->hwndTrack)) return FALSE;
  if (track->dwFlags & TME_NONCLIENT) {
    // Non-client tracking is not offered by this desktop.
    desktop::SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  HWND hwnd = track->hwndTrack;
  if (track->dwFlags & TME_CANCEL) {
    if (t.hwnd == hwnd) {
      if (track->dwFlags & TME_HOVER) t.hover = false;
      if (track->dwFlags & TME_LEAVE) t.leave = false;
      EndIfAnswered(t);
    }
    return TRUE;
  }
  // The mouse must be on the window's client area now; if it is not, the
  // leave is due at once and nothing is tracked.
  desktop::MouseTarget under = desktop::MouseTargetAt(s.mouse.cursor);
  if (under.hwnd != hwnd || under.hit != HTCLIENT) {
    if (track->dwFlags & TME_LEAVE) Post(hwnd, WM_MOUSELEAVE, 0, 0);
    return TRUE;
  }
  if (t.hwnd != hwnd) {
    if (t.hwnd && t.leave) Post(t.hwnd, WM_MOUSELEAVE, 0, 0);
    t = MouseTracking{};
    t.hwnd = hwnd;
  }
  if (track->dwFlags & TME_HOVER) {
    t.hover = true;
    t.hoverTime = (track->dwHoverTime == HOVER_DEFAULT || track->dwHoverTime == 0)
                      ? desktop::kMouseHoverTime
                      : track->dwHoverTime;
    t.restPoint = s.mouse.cursor;
    t.restSince = s.host->Now();
  }
  if (track->dwFlags & TME_LEAVE) t.leave = true;
  EndIfAnswered(t);
  return TRUE;
}
