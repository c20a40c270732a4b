// Window geometry: rectangles, the default non-client calculation, show
// states and SetWindowPos.
#include <algorithm>
#include <cstdio>

#include "platform/desktop/frame_metrics.h"
#include "platform/desktop/gdi_internal.h"

using desktop::Current;
using desktop::Window;

namespace {

using desktop::kNoClientMove;
using desktop::kNoClientSize;

constexpr int kMinimisedX = -32000;
constexpr int kMinimisedWidth = 160;
constexpr int kMinimisedHeight = 28;

// Screen position of the client area's origin of `w`'s parent (0, 0 for a
// top-level window).
POINT ParentClientOrigin(const Window& w) {
  desktop::State& s = Current();
  POINT origin{0, 0};
  for (Window* p = s.Find(w.parent); p; p = s.Find(p->parent)) {
    origin.x += p->rect.left + p->client.left;
    origin.y += p->rect.top + p->client.top;
  }
  return origin;
}

POINT ClientOriginOnScreen(const Window& w) {
  POINT origin = ParentClientOrigin(w);
  return POINT{origin.x + w.rect.left + w.client.left, origin.y + w.rect.top + w.client.top};
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void RaiseInZOrder(Window& w) {
  desktop::State& s = Current();
  std::vector<HWND>& order = w.parent ? s.Find(w.parent)->children : s.topLevels;
  order.erase(std::remove(order.begin(), order.end(), w.handle), order.end());
  order.insert(order.begin(), w.handle);
}

}  // namespace

namespace desktop {

std::string Describe(const Window& w) {
  char where[96];
  std::snprintf(where, sizeof where, " at %d,%d size %dx%d", static_cast<int>(w.rect.left),
                static_cast<int>(w.rect.top), static_cast<int>(w.rect.right - w.rect.left),
                static_cast<int>(w.rect.bottom - w.rect.top));
  return "window \"" + w.text + "\" (" + w.cls->name + ")" + where;
}

RECT CalculateClient(const Window& w) {
  RECT proposed = w.rect;
  Send(w.handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
  return RECT{proposed.left - w.rect.left, proposed.top - w.rect.top,
              proposed.right - w.rect.left, proposed.bottom - w.rect.top};
}

void InvalidateTree(HWND hwnd) {
  State& s = Current();
  Window* w = s.Find(hwnd);
  if (!w || !(w->style & WS_VISIBLE)) return;
  RECT client{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
  w->gfx.update = Region::FromRect(client);
  w->gfx.erasePending = true;
  w->needsPaint = !w->gfx.update.Empty();
  for (HWND child : w->children) InvalidateTree(child);
}

}  // namespace desktop

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  POINT origin = ParentClientOrigin(*w);
  *rect = RECT{w->rect.left + origin.x, w->rect.top + origin.y, w->rect.right + origin.x,
               w->rect.bottom + origin.y};
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  *rect = RECT{0, 0, std::max(0, static_cast<int>(w->client.right - w->client.left)),
               std::max(0, static_cast<int>(w->client.bottom - w->client.top))};
  return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point) {
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  POINT origin = ClientOriginOnScreen(*w);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point) {
  Window* w = Current().Require(hwnd);
  if (!w) return FALSE;
  POINT origin = ClientOriginOnScreen(*w);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  desktop::State& s = Current();
  Window* w = s.Require(hwnd);
  if (!w) return FALSE;
  WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    pos.x = w->rect.left;
    pos.y = w->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = w->rect.right - w->rect.left;
    pos.cy = w->rect.bottom - w->rect.top;
  }
  if ((flags & SWP_SHOWWINDOW) && (w->style & WS_VISIBLE)) pos.flags &= ~SWP_SHOWWINDOW;
  if ((flags & SWP_HIDEWINDOW) && !(w->style & WS_VISIBLE)) pos.flags &= ~SWP_HIDEWINDOW;
  desktop::Send(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!(w = s.Find(hwnd))) return FALSE;

  RECT oldRect = w->rect;
  RECT oldClient = w->client;
  w->rect = RECT{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
  bool resized = (oldRect.right - oldRect.left != w->rect.right - w->rect.left) ||
                 (oldRect.bottom - oldRect.top != w->rect.bottom - w->rect.top);
  if (resized || (pos.flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = w->rect;
    params.rgrc[1] = oldRect;
    params.rgrc[2] = RECT{oldRect.left + oldClient.left, oldRect.top + oldClient.top,
                          oldRect.left + oldClient.right, oldRect.top + oldClient.bottom};
    params.lppos = &pos;
    desktop::Send(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    if (!(w = s.Find(hwnd))) return FALSE;
    const RECT& c = params.rgrc[0];
    w->client = RECT{c.left - w->rect.left, c.top - w->rect.top, c.right - w->rect.left,
                     c.bottom - w->rect.top};
  }
  if (!(pos.flags & SWP_NOZORDER) && (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST)) {
    RaiseInZOrder(*w);
  }
  bool shown = pos.flags & SWP_SHOWWINDOW;
  bool hidden = pos.flags & SWP_HIDEWINDOW;
  if (shown) w->style |= WS_VISIBLE;
  if (hidden) w->style &= ~static_cast<DWORD>(WS_VISIBLE);
  if (!w->parent && !w->messageBox && (shown || hidden)) {
    desktop::Log(desktop::Describe(*w) + (shown ? " shown" : " hidden"));
  }
  if (shown || (!(pos.flags & SWP_NOREDRAW) && !SameRect(oldRect, w->rect))) {
    desktop::InvalidateTree(hwnd);
  }

  int oldWidth = oldClient.right - oldClient.left, oldHeight = oldClient.bottom - oldClient.top;
  int newWidth = w->client.right - w->client.left, newHeight = w->client.bottom - w->client.top;
  if (oldWidth == newWidth && oldHeight == newHeight) pos.flags |= kNoClientSize;
  if (oldRect.left + oldClient.left == w->rect.left + w->client.left &&
      oldRect.top + oldClient.top == w->rect.top + w->client.top) {
    pos.flags |= kNoClientMove;
  }
  if ((pos.flags & (SWP_FRAMECHANGED)) && !(pos.flags & SWP_NOSIZE)) pos.flags &= ~kNoClientSize;
  if (w->sizeUnsent && (shown || !(pos.flags & kNoClientSize) || !(pos.flags & kNoClientMove))) {
    pos.flags &= ~(kNoClientSize | kNoClientMove);
    w->sizeUnsent = false;
  }

  // A top-level window being shown is activated and has its frame and
  // background drawn before it hears that its position changed.
  // A visible one that changed size has them redrawn at once.
  bool redrawNow = !w->parent && !(pos.flags & SWP_NOREDRAW) &&
                   (shown || (resized && (w->style & WS_VISIBLE)));
  if (!w->parent && shown && !(flags & SWP_NOACTIVATE)) {
    desktop::ActivateWindow(hwnd);
    if (!(w = s.Find(hwnd))) return FALSE;
  }
  if (redrawNow) {
    desktop::Send(hwnd, WM_NCPAINT, 1, 0);
    desktop::EraseNow(hwnd);
    if (!(w = s.Find(hwnd))) return FALSE;
  }
  desktop::Send(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  if (!(w = s.Find(hwnd))) return TRUE;
  desktop::Observer().WindowPositionChanged(hwnd);

  if (hidden && s.active == hwnd) {
    s.active = nullptr;
    if (w->owner && IsWindowVisible(w->owner)) desktop::ActivateWindow(w->owner);
  }
  if (hidden && (s.focus == hwnd || IsChild(hwnd, s.focus))) s.focus = nullptr;
  return TRUE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI ShowWindow(HWND hwnd, int command) {
  desktop::State& s = Current();
  Window* w = s.Require(hwnd);
  if (!w) return FALSE;
  BOOL wasVisible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
  bool minimised = w->style & WS_MINIMIZE;
  bool maximised = w->style & WS_MAXIMIZE;
  bool activate = !w->parent;
  UINT swp = SWP_NOZORDER | SWP_NOACTIVATE;
  RECT target = w->rect;
  bool changeRect = false;

  switch (command) {
    case SW_HIDE:
      if (!wasVisible) return FALSE;
      desktop::Send(hwnd, WM_SHOWWINDOW, FALSE, 0);
      SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | swp);
      return wasVisible;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
      if (!minimised) {
        if (!maximised) w->normalRect = w->rect;
        w->restoreMaximised = maximised;
        w->style |= WS_MINIMIZE;
        w->style &= ~static_cast<DWORD>(WS_MAXIMIZE);
        target = RECT{kMinimisedX, kMinimisedX, kMinimisedX + kMinimisedWidth,
                      kMinimisedX + kMinimisedHeight};
        changeRect = true;
      }
      activate = activate && command == SW_SHOWMINIMIZED;
      break;
    case SW_SHOWMAXIMIZED:
      if (!maximised) {
        if (!minimised) w->normalRect = w->rect;
        w->style |= WS_MAXIMIZE;
        w->style &= ~static_cast<DWORD>(WS_MINIMIZE);
        target = desktop::MaximisedRect(*w);
        changeRect = true;
      }
      break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
      // Minimised from maximised, a window is restored maximised.
      if (minimised && w->restoreMaximised) {
        w->style &= ~static_cast<DWORD>(WS_MINIMIZE);
        w->style |= WS_MAXIMIZE;
        w->restoreMaximised = false;
        target = desktop::MaximisedRect(*w);
        changeRect = true;
        break;
      }
      if (minimised || maximised) {
        w->restoreMaximised = false;
        w->style &= ~static_cast<DWORD>(WS_MINIMIZE | WS_MAXIMIZE);
        target = w->normalRect;
        changeRect = true;
      }
      break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
      activate = false;
      break;
    case SW_SHOW:
      break;
    default:
      desktop::SetError(ERROR_INVALID_PARAMETER);
      return FALSE;
  }
  if (!wasVisible) desktop::Send(hwnd, WM_SHOWWINDOW, TRUE, 0);
  if (!(w = s.Find(hwnd))) return wasVisible;
  UINT flags = SWP_NOZORDER | SWP_SHOWWINDOW | (activate ? 0 : SWP_NOACTIVATE);
  if (changeRect) flags |= SWP_FRAMECHANGED;
  else flags |= SWP_NOMOVE | SWP_NOSIZE;
  SetWindowPos(hwnd, nullptr, target.left, target.top, target.right - target.left,
               target.bottom - target.top, flags);
  if (!s.Find(hwnd)) return wasVisible;
  if (activate && s.active != hwnd) {
    desktop::ActivateWindow(hwnd);
  } else if ((command == SW_MINIMIZE || command == SW_SHOWMINNOACTIVE) && s.active == hwnd) {
    s.active = nullptr;
    if (s.focus && desktop::TopLevelOf(s.focus) == hwnd) s.focus = nullptr;
  }
  return wasVisible;
}
