#include "platform/desktop/nonclient_painting.h"

#include "platform/desktop/frame_metrics.h"
#include "platform/desktop/standard_look.h"

namespace desktop {
namespace {

constexpr int kIconSize = 16;     // SM_CXSMICON
constexpr int kTextMargin = 4;    // between the bar's ends and its text
constexpr int kButtonInset = 2;   // a caption button inside its hit-test cell
constexpr int kGlyphSize = 8;     // the cross, the window, the bar on the buttons

bool HasCaption(const Window& w) { return (w.style & WS_CAPTION) == WS_CAPTION; }

// Where the caption bar lies in window coordinates, as hit testing finds it.
RECT CaptionBar(const Window& w) {
  int frame = FrameWidth(w.style, w.exStyle);
  int width = w.rect.right - w.rect.left;
  return RECT{frame, frame, width - frame, frame + Current().captionHeight};
}

bool HasWindowMenuIcon(const Window& w) {
  return (w.style & WS_SYSMENU) && !(w.exStyle & WS_EX_TOOLWINDOW);
}

enum class Glyph { Close, Maximise, Minimise };

void DrawGlyph(HDC dc, const RECT& face, Glyph glyph) {
  int left = (face.left + face.right - kGlyphSize) / 2;
  int top = (face.top + face.bottom - kGlyphSize) / 2;
  COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  switch (glyph) {
    case Glyph::Close:  // two diagonals, two pixels thick
      for (int i = 0; i < kGlyphSize; ++i) {
        for (int thick = 0; thick < 2; ++thick) {
          SetPixel(dc, left + i + thick, top + i, ink);
          SetPixel(dc, left + kGlyphSize - 1 - i + thick, top + i, ink);
        }
      }
      break;
    case Glyph::Maximise: {  // a window with a thick top
      RECT window{left, top, left + kGlyphSize, top + kGlyphSize};
      look::DrawSysOutline(dc, window, COLOR_BTNTEXT, COLOR_BTNTEXT);
      RECT bar{left, top + 1, left + kGlyphSize, top + 2};
      look::FillSysColor(dc, bar, COLOR_BTNTEXT);
      break;
    }
    case Glyph::Minimise: {  // a bar at the bottom
      RECT bar{left + 1, top + kGlyphSize - 2, left + kGlyphSize - 2, top + kGlyphSize};
      look::FillSysColor(dc, bar, COLOR_BTNTEXT);
      break;
    }
  }
}

// One caption button in the cell that ends at `right`, where hit testing
// finds it.
void DrawCaptionButton(HDC dc, const RECT& bar, int right, Glyph glyph) {
  RECT box{right - kCaptionButtonWidth + kButtonInset, bar.top + kButtonInset, right - kButtonInset,
           bar.bottom - kButtonInset};
  if (box.right <= box.left || box.bottom <= box.top) return;
  RECT face = box;
  look::DrawRaisedEdge(dc, &face);
  look::FillSysColor(dc, face, COLOR_3DFACE);
  DrawGlyph(dc, face, glyph);
}

// The caption's buttons from its right end: close, then maximise and
// minimise for a window that has them; gives where the text must end.
int DrawCaptionButtons(HDC dc, const Window& w, const RECT& bar) {
  int right = bar.right;
  DrawCaptionButton(dc, bar, right, Glyph::Close);
  right -= kCaptionButtonWidth;
  bool tool = w.exStyle & WS_EX_TOOLWINDOW;
  if (tool || !(w.style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) return right;
  DrawCaptionButton(dc, bar, right, Glyph::Maximise);
  right -= kCaptionButtonWidth;
  DrawCaptionButton(dc, bar, right, Glyph::Minimise);
  return right - kCaptionButtonWidth;
}

// The caption font: the dialog font's face, bold.
HFONT CreateCaptionFont() {
  LOGFONTA description{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
  description.lfWeight = FW_BOLD;
  return CreateFontIndirectA(&description);
}

void DrawCaptionText(HDC dc, const Window& w, RECT area, bool active) {
  if (w.text.empty() || area.right <= area.left) return;
  HRGN clip = CreateRectRgnIndirect(&area);
  SelectClipRgn(dc, clip);
  HFONT font = CreateCaptionFont();
  HGDIOBJ oldFont = SelectObject(dc, font);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor =
      SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  look::DrawTextLines(dc, look::LayOutText(dc, w.text, true, 0), area, look::Align::Left, true);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
}

void DrawCaption(HDC dc, const Window& w, bool active) {
  RECT bar = CaptionBar(w);
  if (bar.right <= bar.left) return;
  look::FillSysColor(dc, bar, active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  RECT text{bar.left + kTextMargin, bar.top, bar.right - kTextMargin, bar.bottom};
  if (HasWindowMenuIcon(w)) {
    HICON icon = w.iconSmall ? w.iconSmall : w.iconBig;
    int iconCell = Current().captionHeight - 1;  // where hit testing finds the window menu
    if (icon) {
      DrawIconEx(dc, bar.left + (iconCell - kIconSize) / 2, bar.top + (bar.bottom - bar.top - kIconSize) / 2,
                 icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
      text.left = bar.left + iconCell;
    }
  }
  if (w.style & WS_SYSMENU) text.right = DrawCaptionButtons(dc, w, bar);
  DrawCaptionText(dc, w, text, active);
}

// The border: the frame around the caption and the client area, the face
// colour with a raised edge on its outside.
void DrawBorder(HDC dc, const Window& w) {
  int width = w.rect.right - w.rect.left, height = w.rect.bottom - w.rect.top;
  RECT outside{0, 0, width, height};
  RECT inner = w.client;
  inner.top = CaptionBar(w).top;
  RECT pieces[] = {
      {outside.left, outside.top, outside.right, inner.top},        // above
      {outside.left, inner.bottom, outside.right, outside.bottom},  // below
      {outside.left, inner.top, inner.left, inner.bottom},          // left
      {inner.right, inner.top, outside.right, inner.bottom},        // right
  };
  for (const RECT& piece : pieces) {
    if (piece.right > piece.left && piece.bottom > piece.top) look::FillSysColor(dc, piece, COLOR_3DFACE);
  }
  int frame = FrameWidth(w.style, w.exStyle);
  if (frame >= 2) {
    look::DrawRaisedEdge(dc, &outside);
  } else if (frame == 1) {
    look::DrawSysOutline(dc, outside, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
  }
}

template <typename Draw>
void WithWindowDc(HWND hwnd, Draw draw) {
  Window* w = Current().Find(hwnd);
  if (!w || !HasCaption(*w)) return;
  HDC dc = GetWindowDC(hwnd);
  draw(dc, *w);
  ReleaseDC(hwnd, dc);
}

}  // namespace

void PaintStandardFrame(HWND hwnd, bool active) {
  WithWindowDc(hwnd, [active](HDC dc, const Window& w) {
    DrawBorder(dc, w);
    DrawCaption(dc, w, active);
  });
}

void PaintStandardCaption(HWND hwnd, bool active) {
  WithWindowDc(hwnd, [active](HDC dc, const Window& w) { DrawCaption(dc, w, active); });
}

}  // namespace desktop
