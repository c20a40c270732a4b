// How the system's static and push button controls look: the procedures in
// controls.cpp and button_control.cpp call these from their WM_PAINT.
#include "platform/desktop/controls.h"
#include "platform/desktop/standard_look.h"

namespace desktop {
namespace {

constexpr DWORD kStaticSimple = 0x0B;            // SS_SIMPLE: one line, no wrapping
constexpr DWORD kStaticLeftNoWordWrap = 0x0C;    // SS_LEFTNOWORDWRAP
constexpr int kIconSize = 32;                    // SM_CXICON

// Selects the control's font (the system font stays when it has none) for
// the life of the object.
class ControlFontSelection {
 public:
  ControlFontSelection(HDC dc, HFONT font) : dc_(dc) {
    if (font) old_ = SelectObject(dc, font);
  }
  ~ControlFontSelection() {
    if (old_) SelectObject(dc_, old_);
  }
  ControlFontSelection(const ControlFontSelection&) = delete;
  ControlFontSelection& operator=(const ControlFontSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// The static's background: what its parent answers to WM_CTLCOLORSTATIC
// after the DC is given the default colours, the face colour without one.
HBRUSH StaticBackground(const Window& w, HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_3DFACE));
  LRESULT answer = w.parent ? Send(w.parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(w.handle))
                            : 0;
  return answer ? reinterpret_cast<HBRUSH>(answer) : GetSysColorBrush(COLOR_3DFACE);
}

look::Align StaticAlignment(DWORD type) {
  if (type == SS_CENTER) return look::Align::Centre;
  if (type == SS_RIGHT) return look::Align::Right;
  return look::Align::Left;
}

}  // namespace

void PaintStatic(HWND hwnd, HDC dc) {
  Window* w = Current().Find(hwnd);
  if (!w) return;
  DWORD type = w->style & SS_TYPEMASK;
  bool text = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == kStaticSimple ||
              type == kStaticLeftNoWordWrap;
  if (!text && type != SS_ICON) return;  // the other kinds are not drawn here
  RECT box{};
  GetClientRect(hwnd, &box);
  HBRUSH background = StaticBackground(*w, dc);
  if (!(w = Current().Find(hwnd))) return;
  FillRect(dc, &box, background);
  if (type == SS_ICON) {
    if (HICON icon = StaticIcon(*w)) {
      DrawIconEx(dc, 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    }
    return;
  }
  ControlFontSelection font(dc, w->font);
  bool wrap = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
  std::vector<look::TextLine> lines =
      look::LayOutText(dc, w->text, (w->style & SS_NOPREFIX) != 0, wrap ? box.right : 0);
  look::DrawTextLines(dc, lines, box, StaticAlignment(type), false);
}

void PaintPushButton(HWND hwnd, HDC dc, bool pushed, bool focused) {
  Window* w = Current().Find(hwnd);
  if (!w) return;
  RECT box{};
  GetClientRect(hwnd, &box);
  if ((w->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
    auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    look::DrawOutline(dc, box, black, black);
    box = look::Shrunk(box, 1);
  }
  RECT face = box;
  if (pushed) {
    look::DrawSysOutline(dc, box, COLOR_3DSHADOW, COLOR_3DSHADOW);
    face = look::Shrunk(box, 1);
  } else {
    look::DrawRaisedEdge(dc, &face);
  }
  look::FillSysColor(dc, face, COLOR_3DFACE);

  ControlFontSelection font(dc, w->font);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = SetTextColor(
      dc, GetSysColor((w->style & WS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  RECT textBox = face;
  if (pushed) textBox = RECT{face.left + 1, face.top + 1, face.right + 1, face.bottom + 1};
  look::DrawTextLines(dc, look::LayOutText(dc, w->text, false, 0), textBox, look::Align::Centre,
                      true);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  if (focused) {
    look::DrawFocusDots(dc, look::Shrunk(face, 2));
  }
}

}  // namespace desktop
