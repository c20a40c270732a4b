// Painting the skinned frame straight onto the window: the pieces, then the
// icon and the title, then the caption buttons on top.
#include "app/process_state.h"
#include "skin/frame_paint_steps.h"
#include "skin/frame_rules.h"
#include "skin/skin_dialog_base.h"

namespace {

SIZE SizeOf(const MyCBitmap& bitmap) { return SIZE{bitmap.Info.bmWidth, bitmap.Info.bmHeight}; }

}  // namespace

void CSkinDialogBase::OnNcPaint() { PaintFrame(); }

BOOL CSkinDialogBase::OnNcActivate(BOOL) {
  // Active and inactive look the same; the system draws nothing.
  PaintFrame();
  return TRUE;
}

void CSkinDialogBase::PaintFrame() {
  CRect windowRect;
  GetWindowRect(&windowRect);
  CWindowDC window(this);
  CDC pieces;
  pieces.CreateCompatibleDC(&window);
  PaintPieces(window, pieces, windowRect);
  pieces.DeleteDC();
  PaintIconAndTitle(window);
  DrawButtonsNormal(&window);
}

// The icon at 16 x 16, then the window's text and the server's name beside
// it; the buttons painted afterwards cover a title that runs into them.
void CSkinDialogBase::PaintIconAndTitle(CDC& window) {
  ::DrawIconEx(window.m_hDC, IconRect.left, IconRect.top, FrameIcon, 16, 16, 0, nullptr, DI_NORMAL);
  CString text;
  GetWindowText(text);
  std::string title = FrameTitle(text.GetString(), ServerName.GetString());
  COLORREF oldColour = window.SetTextColor(FrameReady ? RGB(255, 255, 255) : RGB(18, 93, 9));
  int oldMode = window.SetBkMode(TRANSPARENT);
  CFont* oldFont = TitleFont.m_hObject ? window.SelectObject(&TitleFont) : nullptr;
  ::TextOutA(window.m_hDC, IconRect.left + 20, IconRect.top, title.c_str(),
             static_cast<int>(title.size()));
  if (oldFont) window.SelectObject(oldFont);
  window.SetBkMode(oldMode);
  window.SetTextColor(oldColour);
}

void CSkinDialogBase::PaintPieces(CDC& window, CDC& pieces, const RECT& windowRect) {
  FramePaintInput in;
  in.width = windowRect.right - windowRect.left;
  in.height = windowRect.bottom - windowRect.top;
  in.windowTop = windowRect.top;
  in.maximised = IsZoomed() != FALSE;
  in.captionHeight = ::GetSystemMetrics(SM_CYCAPTION);
  in.captionLeft = SizeOf(CaptionLeftBitmap);
  in.captionRight = SizeOf(CaptionRightBitmap);
  in.leftBorder = SizeOf(LeftBorderBitmap);
  in.bottomLeft = SizeOf(BottomLeftBitmap);
  in.bottomRight = SizeOf(BottomRightBitmap);

  MyCBitmap* const bitmaps[] = {&CaptionLeftBitmap, &CaptionMiddleBitmap, &CaptionRightBitmap,
                                &LeftBorderBitmap,  &RightBorderBitmap,   &BottomLeftBitmap,
                                &BottomBorderBitmap, &BottomRightBitmap};
  HGDIOBJ original = nullptr;
  for (const FramePaintStep& step : FramePaintSteps(in)) {
    MyCBitmap& bitmap = *bitmaps[static_cast<int>(step.piece)];
    if (!bitmap.m_hObject) continue;
    HGDIOBJ previous = ::SelectObject(pieces.m_hDC, bitmap.m_hObject);
    if (!original) original = previous;
    const RECT& to = step.destination;
    if (step.stretched) {
      window.StretchBlt(to.left, to.top, to.right - to.left, to.bottom - to.top, &pieces, 0, 0,
                        bitmap.Info.bmWidth, bitmap.Info.bmHeight, SRCCOPY);
    } else {
      window.BitBlt(to.left, to.top, to.right - to.left, to.bottom - to.top, &pieces, 0, 0, SRCCOPY);
    }
  }
  if (original) ::SelectObject(pieces.m_hDC, original);
}

void CSkinDialogBase::DrawButtonsNormal(CDC* dc) {
  for (const auto& button : Buttons) {
    const RECT& r = button->Rect;
    if (r.right <= r.left || r.bottom <= r.top) continue;
    dc->BitBlt(r.left, r.top, r.right - r.left, r.bottom - r.top, &button->NormalDC, 0, 0, SRCCOPY);
  }
}
