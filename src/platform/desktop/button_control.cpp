// The Button class: a push button follows the mouse while it is pressed
// (captured, pushed while the mouse is over it) and reports a click to its
// parent as BN_CLICKED when released over itself. An owner-drawn button
// (BS_OWNERDRAW) asks its parent to draw it with WM_DRAWITEM; the others
// are drawn in the standard look.
#include <cstring>

#include "platform/api/gdi_functions.h"
#include "platform/desktop/controls.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::Window;

namespace {

constexpr LRESULT kButtonCode = 0x2000;  // DLGC_BUTTON
constexpr LRESULT kDefaultPushButtonCode = 0x0010;
constexpr LRESULT kUndefaultPushButtonCode = 0x0020;

// The button's state lives in its window's extra bytes: the BST_* bits it
// reports, and whether the mouse went down on it.
constexpr LONG kPressedByMouse = 0x0040;
constexpr LONG kReportedState = BST_PUSHED | BST_FOCUS;

LONG StateOf(const Window& w) {
  LONG state = 0;
  if (w.extra.size() >= sizeof state) std::memcpy(&state, w.extra.data(), sizeof state);
  return state;
}

void SetState(Window& w, LONG state) {
  if (w.extra.size() >= sizeof state) std::memcpy(w.extra.data(), &state, sizeof state);
}

bool IsOwnerDrawn(const Window& w) { return (w.style & BS_TYPEMASK) == BS_OWNERDRAW; }

bool IsPushButton(const Window& w) {
  DWORD type = w.style & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// Asks the parent to draw an owner-drawn button now: on the paint DC while
// painting, else on a DC of the button's window.
void DrawOwnerDrawn(HWND hwnd, UINT action, HDC paintDc = nullptr) {
  Window* w = Current().Find(hwnd);
  if (!w || !IsOwnerDrawn(*w) || !IsWindowVisible(hwnd) || !w->parent) return;
  LONG state = StateOf(*w);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<UINT>(w->id);
  item.itemAction = action;
  item.itemState = ((state & BST_FOCUS) ? ODS_FOCUS : 0) | ((state & BST_PUSHED) ? ODS_SELECTED : 0) |
                   ((w->style & WS_DISABLED) ? ODS_DISABLED : 0);
  item.hwndItem = hwnd;
  GetClientRect(hwnd, &item.rcItem);
  item.hDC = paintDc ? paintDc : GetDC(hwnd);
  desktop::Send(w->parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  if (!paintDc) ReleaseDC(hwnd, item.hDC);
}

// Redraws a button whose look changed: an owner-drawn one at once, others
// with the next paint.
void Redraw(HWND hwnd, UINT action) {
  Window* w = Current().Find(hwnd);
  if (!w) return;
  if (IsOwnerDrawn(*w)) {
    DrawOwnerDrawn(hwnd, action);
  } else {
    InvalidateRect(hwnd, nullptr, FALSE);
  }
}

LRESULT OnSetState(Window& w, bool pushed) {
  LONG state = StateOf(w);
  LONG changed = pushed ? (state | BST_PUSHED) : (state & ~BST_PUSHED);
  if (changed == state) return 0;
  SetState(w, changed);
  Redraw(w.handle, ODA_SELECT);
  return 0;
}

void OnFocus(Window& w, bool gained) {
  LONG state = StateOf(w);
  SetState(w, gained ? (state | BST_FOCUS) : (state & ~BST_FOCUS));
  HWND hwnd = w.handle;
  Redraw(hwnd, ODA_FOCUS);
  // Losing the focus in the middle of a press ends the press.
  Window* again = Current().Find(hwnd);
  if (!gained && again && (StateOf(*again) & kPressedByMouse) && GetCapture() == hwnd) {
    ReleaseCapture();
  }
}

bool UnderMouse(HWND hwnd, LPARAM lParam) {
  RECT client{};
  GetClientRect(hwnd, &client);
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return p.x >= client.left && p.x < client.right && p.y >= client.top && p.y < client.bottom;
}

void OnLButtonDown(HWND hwnd) {
  SetFocus(hwnd);
  SetCapture(hwnd);
  Window* w = Current().Find(hwnd);
  if (!w) return;
  SetState(*w, StateOf(*w) | kPressedByMouse);
  SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
}

void OnLButtonUp(HWND hwnd, LPARAM lParam) {
  Window* w = Current().Find(hwnd);
  if (!w) return;
  LONG state = StateOf(*w);
  if (!(state & kPressedByMouse)) return;
  SetState(*w, state & ~kPressedByMouse);
  if (!(state & BST_PUSHED)) {
    ReleaseCapture();  // released away from the button: no click
    return;
  }
  SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
  bool inside = UnderMouse(hwnd, lParam);
  ReleaseCapture();
  if (!inside || !(w = Current().Find(hwnd)) || !w->parent) return;
  SendMessageA(w->parent, WM_COMMAND, MAKEWPARAM(w->id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

void OnCaptureChanged(HWND hwnd, HWND newCapture) {
  Window* w = Current().Find(hwnd);
  if (!w || newCapture == hwnd) return;
  LONG state = StateOf(*w);
  if (!(state & kPressedByMouse)) return;
  SetState(*w, state & ~kPressedByMouse);
  if (state & BST_PUSHED) SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
}

}  // namespace

namespace desktop {

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Current().Find(hwnd);
  if (!w) return 0;
  switch (message) {
    case WM_SETFONT:
    case WM_GETFONT: return ControlFont(*w, message, wParam);
    case WM_GETDLGCODE:
      return kButtonCode | ((w->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? kDefaultPushButtonCode
                                                                         : kUndefaultPushButtonCode);
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      if (IsOwnerDrawn(*w)) {
        DrawOwnerDrawn(hwnd, ODA_DRAWENTIRE, dc);
      } else if (IsPushButton(*w)) {
        LONG state = StateOf(*w);
        desktop::PaintPushButton(hwnd, dc, (state & BST_PUSHED) != 0, (state & BST_FOCUS) != 0);
      }
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return IsOwnerDrawn(*w) || IsPushButton(*w) ? TRUE : DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return result;
    }
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_SETFOCUS: OnFocus(*w, true); return 0;
    case WM_KILLFOCUS: OnFocus(*w, false); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnLButtonDown(hwnd); return 0;
    case WM_LBUTTONUP: OnLButtonUp(hwnd, lParam); return 0;
    case WM_MOUSEMOVE:
      if ((wParam & MK_LBUTTON) && GetCapture() == hwnd) {
        SendMessageA(hwnd, BM_SETSTATE, UnderMouse(hwnd, lParam) ? TRUE : FALSE, 0);
      }
      return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(hwnd, reinterpret_cast<HWND>(lParam)); return 0;
    case BM_SETSTATE: return OnSetState(*w, wParam != 0);
    case BM_GETSTATE: return StateOf(*w) & kReportedState;
    case BM_SETSTYLE:
      w->style = (w->style & ~static_cast<DWORD>(BS_TYPEMASK)) | (wParam & BS_TYPEMASK);
      if (lParam) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace desktop
