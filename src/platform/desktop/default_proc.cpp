// DefWindowProc: what the system does with a message nobody handled.
#include <algorithm>
#include <cstring>

#include "platform/desktop/controls.h"
#include "platform/desktop/frame_metrics.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/nonclient_painting.h"
#include "platform/desktop/state.h"
#include "platform/desktop/gdi_internal.h"

using desktop::Current;
using desktop::Window;

namespace {

LRESULT OnNcCalcSize(Window& w, WPARAM wParam, LPARAM lParam) {
  RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                      : reinterpret_cast<RECT*>(lParam);
  *rect = desktop::ClientRectForWindow(*rect, w.style, w.exStyle, Current().captionHeight);
  return 0;
}

LRESULT OnWindowPosChanged(Window& w, const WINDOWPOS& pos) {
  using desktop::kNoClientMove;
  using desktop::kNoClientSize;
  HWND hwnd = w.handle;
  // The size first, then the position, as Windows reports them.
  if (!(pos.flags & kNoClientSize)) {
    WPARAM kind = (w.style & WS_MAXIMIZE)   ? SIZE_MAXIMIZED
                  : (w.style & WS_MINIMIZE) ? SIZE_MINIMIZED
                                            : SIZE_RESTORED;
    desktop::Send(hwnd, WM_SIZE, kind,
                  MAKELPARAM(w.client.right - w.client.left, w.client.bottom - w.client.top));
  }
  Window* again = Current().Find(hwnd);
  if (again && !(pos.flags & kNoClientMove)) {
    desktop::Send(hwnd, WM_MOVE, 0,
                  MAKELPARAM(again->rect.left + again->client.left, again->rect.top + again->client.top));
  }
  return 0;
}

LRESULT OnSysCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
  switch (command & 0xFFF0) {
    case SC_CLOSE: desktop::Send(hwnd, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
    case SC_KEYMENU:
      // Alt+Space opens the window menu; other Alt+letters would pick from a
      // menu bar, which no window here has.
      if (lParam == VK_SPACE) desktop::OpenWindowMenuFromKeyboard(hwnd);
      break;
    case SC_MOVE:
    case SC_SIZE: {
      // The loop follows the mouse from where the cursor is, whatever point
      // the command carries: windows that start a drag themselves pass
      // client coordinates, or nothing.
      POINT start{};
      GetCursorPos(&start);
      desktop::RunSizeMoveLoop(hwnd, command, start);
      break;
    }
    default: break;
  }
  return 0;
}

// A child asks its parent first; the parent's non-zero answer is the child's.
LRESULT AskParent(const Window& w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!(w.style & WS_CHILD) || !w.parent) return 0;
  return desktop::Send(w.parent, message, wParam, lParam);
}

LRESULT OnMouseActivate(const Window& w, WPARAM wParam, LPARAM lParam) {
  if (LRESULT answer = AskParent(w, WM_MOUSEACTIVATE, wParam, lParam)) return answer;
  // A press on the caption activates when the button goes down on it (below).
  return HIWORD(lParam) == WM_LBUTTONDOWN && LOWORD(lParam) == HTCAPTION ? MA_NOACTIVATE
                                                                          : MA_ACTIVATE;
}

// A press on the caption activates and starts the move loop; one on a
// sizing edge starts the size loop for that edge.
LRESULT OnNcLButtonDown(HWND hwnd, WPARAM hit, LPARAM point) {
  if (hit == HTCAPTION) {
    HWND top = desktop::TopLevelOf(hwnd);
    if (top && Current().active != top) desktop::ActivateWindow(top, WA_CLICKACTIVE);
    if (IsWindow(hwnd)) desktop::Send(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, point);
  } else if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
    desktop::Send(hwnd, WM_SYSCOMMAND, SC_SIZE | (hit - HTLEFT + WMSZ_LEFT), point);
  }
  return 0;
}

// The icon a window shows while it is dragged minimised: its class's, or
// else the first icon of the program's resources.
LRESULT OnQueryDragIcon() {
  const desktop::ResourceSet* resources = Current().resources;
  if (!resources || resources->icons.empty()) return 0;
  return reinterpret_cast<LRESULT>(LoadIconA(nullptr, MAKEINTRESOURCEA(resources->icons.front().id)));
}

// The colours a control is drawn in unless its parent says otherwise: text
// on the window colour for edits and lists, on the face colour for the rest.
LRESULT DefaultControlColors(UINT message, HDC dc) {
  int background = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ? COLOR_WINDOW
                                                                               : COLOR_3DFACE;
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

}  // namespace

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Current().Require(hwnd);
  if (!w) return 0;
  if (desktop::IsControlColourMessage(message)) {
    return DefaultControlColors(message, reinterpret_cast<HDC>(wParam));
  }
  switch (message) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE:
      return OnNcCalcSize(*w, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
      return OnWindowPosChanged(*w, *reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_SETTEXT:
      w->text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
      if (!w->parent) desktop::Log("window text: \"" + w->text + "\"");
      // A themed caption shows the new text.
      if ((w->style & WS_CAPTION) == WS_CAPTION) desktop::Send(hwnd, desktop::kThemedCaptionRedraw, 0, 0);
      return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      std::size_t n = std::min<std::size_t>(w->text.size(), wParam - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), w->text.data(), n);
      reinterpret_cast<char*>(lParam)[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->text.size());
    case WM_PAINT: {
      PAINTSTRUCT ps;  // painting validates
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return desktop::EraseBackground(hwnd, reinterpret_cast<HDC>(wParam)) ? 1 : 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_SYSCOMMAND:
      return OnSysCommand(hwnd, wParam, lParam);
    case WM_SYSCHAR:
      // Alt+Space: a child passes it up to the window that owns the menu.
      if (wParam == VK_SPACE && (lParam & (1L << 29))) {
        if (w->parent) return desktop::Send(w->parent, WM_SYSCHAR, wParam, lParam);
        desktop::Send(hwnd, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
      }
      return 0;
    case WM_POPUPSYSTEMMENU:
      desktop::OpenWindowMenu(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_QUERYDRAGICON:
      return OnQueryDragIcon();
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (lParam & (1L << 29))) {
        desktop::Send(desktop::TopLevelOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(hwnd);
      return 0;
    case WM_NCACTIVATE:
      // A themed frame redraws itself in its new state.
      w->frameActive = wParam != 0;
      if ((w->style & WS_CAPTION) == WS_CAPTION) desktop::Send(hwnd, desktop::kThemedFrameRedraw, wParam, 0);
      return TRUE;
    // A window that paints no frame of its own gets the standard one; one
    // that draws its own answers the themed redraws itself.
    case WM_NCPAINT:
      desktop::PaintStandardFrame(hwnd, w->frameActive);
      return 0;
    case desktop::kThemedFrameRedraw:
      desktop::PaintStandardFrame(hwnd, wParam != 0);
      return 0;
    case desktop::kThemedCaptionRedraw:
      desktop::PaintStandardCaption(hwnd, w->frameActive);
      return 0;
    case WM_NCHITTEST:
      return desktop::DefaultHitTest(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_SETCURSOR:
      return AskParent(*w, message, wParam, lParam) ? TRUE : FALSE;
    case WM_MOUSEACTIVATE:
      return OnMouseActivate(*w, wParam, lParam);
    case WM_NCLBUTTONDOWN:
      return OnNcLButtonDown(hwnd, wParam, lParam);
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_SETICON: {
      HICON& slot = wParam == ICON_SMALL ? w->iconSmall : w->iconBig;
      HICON old = slot;
      slot = reinterpret_cast<HICON>(lParam);
      return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
      return reinterpret_cast<LRESULT>(wParam == ICON_SMALL ? w->iconSmall : w->iconBig);
    default:
      return 0;
  }
}
