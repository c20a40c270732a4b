// The modal move and size loops that a press on a window's caption or
// sizing edge starts: the window follows the mouse until the button is
// released (the release is the loop's own and reaches nobody) or Esc puts
// it back; every other message of the thread is dispatched meanwhile.
#include <algorithm>

#include "platform/desktop/frame_metrics.h"
#include "platform/desktop/host.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/state.h"

using desktop::Current;

namespace {

struct TrackLimits {
  POINT minimum;
  POINT maximum;
};

TrackLimits AskTrackLimits(HWND hwnd) {
  const desktop::State& s = Current();
  MINMAXINFO info{};
  info.ptMinTrackSize = POINT{desktop::kMinTrackWidth, desktop::kMinTrackHeight};
  info.ptMaxTrackSize = POINT{s.screenWidth * 2, s.screenHeight * 2};
  desktop::Send(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return TrackLimits{info.ptMinTrackSize, info.ptMaxTrackSize};
}

// The rectangle after the mouse moved by (dx, dy) from where the drag began,
// dragging the edges the WMSZ_* code names, within the track limits.
RECT Resized(RECT r, int edge, int dx, int dy, const TrackLimits& limits) {
  bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
  bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
  bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
  bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
  auto clampSize = [](LONG size, LONG low, LONG high) { return std::clamp(size, low, std::max(low, high)); };
  if (left) r.left = r.right - clampSize(r.right - (r.left + dx), limits.minimum.x, limits.maximum.x);
  if (right) r.right = r.left + clampSize(r.right + dx - r.left, limits.minimum.x, limits.maximum.x);
  if (top) r.top = r.bottom - clampSize(r.bottom - (r.top + dy), limits.minimum.y, limits.maximum.y);
  if (bottom) r.bottom = r.top + clampSize(r.bottom + dy - r.top, limits.minimum.y, limits.maximum.y);
  return r;
}

void Place(HWND hwnd, const RECT& r, bool move) {
  SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE | (move ? SWP_NOSIZE : 0));
}

}  // namespace

namespace desktop {

void RunSizeMoveLoop(HWND hwnd, WPARAM command, POINT start) {
  State& s = Current();
  Window* w = s.Find(hwnd);
  bool move = (command & 0xFFF0) == SC_MOVE;
  int edge = static_cast<int>(command & 0x000F);
  // Only loops the mouse started, with its button still held, on a window
  // that is neither minimised nor maximised.
  if (!w || !edge || (w->style & (WS_MINIMIZE | WS_MAXIMIZE))) return;
  if (!s.host->IsKeyDown(VK_LBUTTON)) return;
  if (!move && (!(w->style & WS_THICKFRAME) || edge > WMSZ_BOTTOMRIGHT)) return;

  const RECT original = w->rect;  // in the parent's client coordinates
  TrackLimits limits = AskTrackLimits(hwnd);
  Send(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  SetCapture(hwnd);
  MSG msg;
  for (;;) {
    if (!IsWindow(hwnd) || GetCapture() != hwnd) break;
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
      break;
    }
    if (msg.message == WM_LBUTTONUP) break;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      Place(hwnd, original, false);
      break;
    }
    if (msg.message == WM_MOUSEMOVE) {
      int dx = msg.pt.x - start.x, dy = msg.pt.y - start.y;
      RECT r = original;
      if (move) {
        r = RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
        Send(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
      } else {
        r = Resized(original, edge, dx, dy, limits);
        Send(hwnd, WM_SIZING, static_cast<WPARAM>(edge), reinterpret_cast<LPARAM>(&r));
      }
      if (IsWindow(hwnd)) Place(hwnd, r, move);
      continue;
    }
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) continue;
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (IsWindow(hwnd)) Send(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace desktop
