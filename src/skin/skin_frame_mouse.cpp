// The skinned frame and the mouse: the title band of the client area drags
// the window, the caption buttons light up under the mouse and act on
// release, the icon opens the window menu.
#include "fw/menu.h"
#include "skin/skin_dialog_base.h"

namespace {

// The top rows of the client area that count as title bar.
constexpr int kTitleBandRows = 28;

bool Holds(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

CPoint CSkinDialogBase::ToWindow(CPoint screen) const {
  CRect windowRect;
  GetWindowRect(&windowRect);
  return CPoint(screen.x - windowRect.left, screen.y - windowRect.top);
}

int CSkinDialogBase::ButtonAt(CPoint windowPoint) const {
  for (std::size_t i = 0; i < Buttons.size(); ++i) {
    if (Holds(Buttons[i]->Rect, windowPoint)) return static_cast<int>(i) + 1;
  }
  return 0;
}

LRESULT CSkinDialogBase::OnNcHitTest(CPoint point) {
  CPoint client = point;
  ScreenToClient(&client);
  if (client.y >= 0 && client.y < kTitleBandRows) return HTCAPTION;
  return Default();
}

void CSkinDialogBase::OnNcLButtonDown(UINT, CPoint point) {
  CPoint at = ToWindow(point);
  if (Holds(IconRect, at)) {
    // The window menu at the cursor; a choice comes back as WM_COMMAND.
    POINT cursor{};
    ::GetCursorPos(&cursor);
    if (CMenu* menu = GetSystemMenu(FALSE)) menu->TrackPopupMenu(0, cursor.x, cursor.y, this);
  }
  // A press on a caption button is swallowed: it neither moves the window
  // nor reaches the system.
  if (ButtonAt(at)) return;
  Default();
}

void CSkinDialogBase::OnNcMouseMove(UINT, CPoint point) {
  int hot = ButtonAt(ToWindow(point));
  if (hot != HotButton) {
    CWindowDC window(this);
    if (hot || HotButton) DrawButtonsNormal(&window);
    if (hot) {
      CSkinCaptionButton& button = *Buttons[static_cast<std::size_t>(hot - 1)];
      const RECT& r = button.Rect;
      window.BitBlt(r.left, r.top, r.right - r.left, r.bottom - r.top,
                    &button.HoverDC, 0, 0, SRCCOPY);
    }
    HotButton = hot;
  }
  Default();
}

void CSkinDialogBase::OnNcLButtonUp(UINT, CPoint point) {
  // Whatever was pressed before, a release over a button fires it.
  if (int position = ButtonAt(ToWindow(point))) {
    OnCaptionButton(Buttons[static_cast<std::size_t>(position - 1)]->Id);
  }
  Default();
}
