// Which window lies under a screen point: WindowFromPoint, ChildWindowFromPoint
// and DefWindowProc's hit-test answer.
#include "platform/desktop/frame_metrics.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/screen.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::Window;

namespace {

bool Contains(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

RECT ScreenRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

RECT ScreenClientRect(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  return RECT{r.left + origin.x, r.top + origin.y, r.right + origin.x, r.bottom + origin.y};
}

// The topmost visible top-level window whose shape holds the point; a
// layered window's key-coloured pixels are holes in its shape.
HWND TopLevelAt(POINT p) {
  desktop::State& s = Current();
  for (HWND hwnd : s.topLevels) {
    Window* w = s.Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE)) continue;
    if (!Contains(ScreenRect(hwnd), p)) continue;
    if (!desktop::WindowShapeContains(hwnd, p)) continue;
    if (desktop::LayeredKeyShowsThrough(hwnd, p)) continue;
    return hwnd;
  }
  return nullptr;
}

// The deepest visible descendant under the point, as the system finds it: a
// disabled or minimised window, or a point on a window's frame, ends the
// descent at that window.
HWND DeepestAt(HWND parent, POINT p) {
  desktop::State& s = Current();
  Window* w = s.Find(parent);
  if (!w || (w->style & (WS_DISABLED | WS_MINIMIZE))) return parent;
  if (!Contains(ScreenClientRect(parent), p)) return parent;
  for (HWND child : w->children) {
    Window* c = s.Find(child);
    if (!c || !(c->style & WS_VISIBLE)) continue;
    if (Contains(ScreenRect(child), p) && desktop::WindowShapeContains(child, p)) {
      return DeepestAt(child, p);
    }
  }
  return parent;
}

int SizingCode(const RECT& r, POINT p, int frame) {
  bool left = p.x < r.left + frame, right = p.x >= r.right - frame;
  bool top = p.y < r.top + frame, bottom = p.y >= r.bottom - frame;
  if (top && left) return HTTOPLEFT;
  if (top && right) return HTTOPRIGHT;
  if (bottom && left) return HTBOTTOMLEFT;
  if (bottom && right) return HTBOTTOMRIGHT;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  if (top) return HTTOP;
  if (bottom) return HTBOTTOM;
  return HTNOWHERE;
}

// Where on the caption bar from `left` to `right` the x lies: the window
// menu's icon at the left end, the close, maximise and minimise buttons
// from the right end, the bar itself elsewhere.
LRESULT CaptionHitCode(const Window& w, LONG left, LONG right, LONG x) {
  if (!(w.style & WS_SYSMENU)) return HTCAPTION;
  bool tool = w.exStyle & WS_EX_TOOLWINDOW;
  if (!tool && x < left + Current().captionHeight - 1) return HTSYSMENU;
  right -= desktop::kCaptionButtonWidth;
  if (x >= right) return HTCLOSE;
  if (tool || !(w.style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) return HTCAPTION;
  right -= desktop::kCaptionButtonWidth;
  if (x >= right) return HTMAXBUTTON;
  right -= desktop::kCaptionButtonWidth;
  if (x >= right) return HTMINBUTTON;
  return HTCAPTION;
}

}  // namespace

namespace desktop {

bool WindowShapeContains(HWND hwnd, POINT p) {
  // The one place where a window's shape joins hit testing: its window
  // region (SetWindowRgn).
  return WindowRegionContains(hwnd, p);
}

LRESULT DefaultHitTest(HWND hwnd, POINT p) {
  Window* w = Current().Find(hwnd);
  if (!w) return HTNOWHERE;
  RECT window = ScreenRect(hwnd);
  if (!Contains(window, p)) return HTNOWHERE;
  if (w->style & WS_MINIMIZE) return HTCAPTION;
  if (Contains(ScreenClientRect(hwnd), p)) return HTCLIENT;
  if (w->style & WS_THICKFRAME) {
    if (int code = SizingCode(window, p, kSizingFrame + kPaddedBorder)) return code;
  }
  if ((w->style & WS_CAPTION) == WS_CAPTION) {
    int frame = FrameWidth(w->style, w->exStyle);
    int captionTop = window.top + frame;
    if (p.y >= captionTop && p.y < captionTop + Current().captionHeight) {
      return CaptionHitCode(*w, window.left + frame, window.right - frame, p.x);
    }
  }
  return HTBORDER;
}

MouseTarget MouseTargetAt(POINT p) {
  State& s = Current();
  HWND top = TopLevelAt(p);
  if (!top) return {};
  HWND hwnd = DeepestAt(top, p);
  // Each window says what the point is on it; a transparent answer passes
  // the point on to the window's parent.
  while (hwnd) {
    Window* w = s.Find(hwnd);
    if (!w) return {};
    if (w->style & WS_DISABLED) return {hwnd, HTERROR};
    LRESULT hit = Send(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    if (hit != HTTRANSPARENT) return {hwnd, hit};
    hwnd = w->parent;
  }
  return {};
}

}  // namespace desktop

HWND WINAPI WindowFromPoint(POINT point) { return desktop::MouseTargetAt(point).hwnd; }

HWND WINAPI ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
  desktop::State& s = Current();
  Window* w = s.Require(parent);
  if (!w) return nullptr;
  RECT client{};
  GetClientRect(parent, &client);
  if (!Contains(client, point)) return nullptr;
  POINT screen = point;
  ClientToScreen(parent, &screen);
  for (HWND child : w->children) {
    Window* c = s.Find(child);
    if (!c) continue;
    if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
    if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
    if (Contains(ScreenRect(child), screen)) return child;
  }
  return parent;
}

HWND WINAPI ChildWindowFromPoint(HWND parent, POINT point) {
  return ChildWindowFromPointEx(parent, point, CWP_ALL);
}
