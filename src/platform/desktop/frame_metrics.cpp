#include "platform/desktop/frame_metrics.h"

namespace desktop {
namespace {

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

}  // namespace

int FrameWidth(DWORD style, DWORD exStyle) {
  int width = 0;
  if (style & WS_THICKFRAME) {
    width = kSizingFrame + kPaddedBorder;
  } else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
    width = kDialogFrame;
  } else if (style & WS_BORDER) {
    width = kBorder;
  }
  if (exStyle & WS_EX_CLIENTEDGE) width += kClientEdge;
  return width;
}

RECT WindowRectForClient(RECT client, DWORD style, DWORD exStyle, int captionHeight) {
  int frame = FrameWidth(style, exStyle);
  int caption = HasCaption(style) ? captionHeight : 0;
  return RECT{client.left - frame, client.top - frame - caption, client.right + frame,
              client.bottom + frame};
}

RECT ClientRectForWindow(RECT window, DWORD style, DWORD exStyle, int captionHeight) {
  int frame = FrameWidth(style, exStyle);
  int caption = HasCaption(style) ? captionHeight : 0;
  RECT client{window.left + frame, window.top + frame + caption, window.right - frame,
              window.bottom - frame};
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  return client;
}

RECT MaximisedRect(const Window& w) {
  const State& s = Current();
  int frame = FrameWidth(w.style, w.exStyle);
  // The window hears the screen's defaults; those it leaves alone are then
  // fitted to the work area, as Windows does for the primary monitor.
  MINMAXINFO info{};
  info.ptMaxPosition = POINT{-frame, -frame};
  info.ptMaxSize = POINT{s.screenWidth + 2 * frame, s.screenHeight + 2 * frame};
  info.ptMinTrackSize = POINT{kMinTrackWidth, kMinTrackHeight};
  info.ptMaxTrackSize = info.ptMaxSize;
  MINMAXINFO defaults = info;
  Send(w.handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  if (info.ptMaxSize.x == defaults.ptMaxSize.x && info.ptMaxSize.y == defaults.ptMaxSize.y) {
    info.ptMaxSize = POINT{s.workArea.right - s.workArea.left + 2 * frame,
                           s.workArea.bottom - s.workArea.top + 2 * frame};
  }
  if (info.ptMaxPosition.x == defaults.ptMaxPosition.x &&
      info.ptMaxPosition.y == defaults.ptMaxPosition.y) {
    info.ptMaxPosition = POINT{s.workArea.left - frame, s.workArea.top - frame};
  }
  return RECT{info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + info.ptMaxSize.x,
              info.ptMaxPosition.y + info.ptMaxSize.y};
}

}  // namespace desktop
