#include "controls/button_ex.h"

#include "gfx/draw_bitmap.h"

namespace {

enum Look { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

// The caption's top-left corner; a pressed caption sits one pixel right and down.
constexpr POINT kCaptionOrigin{21, 0};
constexpr POINT kPressedCaptionOrigin{22, 1};

bool LeftButtonHeld() { return (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }

void EmptyBitmapSlot(HBITMAP& slot) {
  if (slot) ::DeleteObject(slot);
  slot = nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CButtonEx, CButton)
ON_WM_MOUSEMOVE()
ON_WM_ERASEBKGND()
ON_WM_SETCURSOR()
ON_WM_ENABLE()
ON_WM_MOUSELEAVE()
ON_WM_MOUSEHOVER()
END_MESSAGE_MAP()

CButtonEx::CButtonEx() { CaptionFont.CreatePointFont(90, "Arial"); }

CButtonEx::~CButtonEx() {
  CaptionFont.DeleteObject();
  ShapeRegion.DeleteObject();
  EmptyBitmapSlot(NormalBitmap);
  EmptyBitmapSlot(HoverBitmap);
  EmptyBitmapSlot(PressedBitmap);
  EmptyBitmapSlot(DisabledBitmap);
}

// Any button becomes owner-drawn, whatever style it was created with.
void CButtonEx::PreSubclassWindow() {
  ModifyStyle(0, BS_OWNERDRAW);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  CButton::PreSubclassWindow();
}

// The system's draw request never shows the hover look.
void CButtonEx::DrawItem(LPDRAWITEMSTRUCT drawItem) {
  DrawState = kNormal;
  if ((drawItem->itemState & ODS_FOCUS) && (drawItem->itemState & ODS_SELECTED)) {
    DrawState = kPressed;
  }
  if (drawItem->itemState & ODS_DISABLED) {
    DrawState = kDisabled;
    Enabled = false;
  }
  DrawButton(CDC::FromHandle(drawItem->hDC));
}

HBITMAP CButtonEx::BitmapOfLook() const {
  switch (DrawState) {
    case kHover:
      return HoverBitmap;
    case kPressed:
      return PressedBitmap;
    case kDisabled:
      return DisabledBitmap;
    default:
      return NormalBitmap;
  }
}

// Every look is composed off screen and copied in one step, so nothing
// flickers; a shaped button's clip keeps the key-coloured pixels off.
void CButtonEx::DrawButton(CDC* target) {
  if (Shaped) target->SelectClipRgn(&ShapeRegion);
  CRect client;
  GetClientRect(&client);
  CDC surface;
  surface.CreateCompatibleDC(target);
  CBitmap picture;
  picture.CreateCompatibleBitmap(target, client.Width(), client.Height());
  CBitmap* oldBitmap = surface.SelectObject(&picture);

  CString caption;
  GetWindowText(caption);
  surface.SetBkMode(TRANSPARENT);
  CFont* oldFont = surface.SelectObject(&CaptionFont);

  if (HBITMAP look = BitmapOfLook()) {
    if (Shaped) {
      DrawBitmapTransparent(look, surface, KeyColor, 0, 0);
    } else {
      DrawBitmap(look, surface, 0, 0);
    }
  }
  if (!caption.IsEmpty() && DrawState != kDisabled) {
    POINT at = DrawState == kPressed ? kPressedCaptionOrigin : kCaptionOrigin;
    surface.SetTextColor(RGB(0, 0, 0));
    surface.TextOut(at.x, at.y, caption);
  }
  target->BitBlt(client.left, client.top, client.Width(), client.Height(), &surface, 0, 0, SRCCOPY);

  if (oldFont) surface.SelectObject(oldFont);
  if (oldBitmap) surface.SelectObject(oldBitmap);
}

void CButtonEx::DrawNow() {
  CClientDC dc(this);
  DrawButton(&dc);
}

void CButtonEx::RequestMouseNotices() {
  TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd, HOVER_DEFAULT};
  ::TrackMouseEvent(&track);
}

void CButtonEx::OnMouseMove(UINT, CPoint) {
  if (Enabled && !Tracking) {
    Tracking = true;
    RequestMouseNotices();
    if (!LeftButtonHeld()) {
      DrawState = kHover;
      DrawNow();
    }
  }
  Default();
}

BOOL CButtonEx::OnEraseBkgnd(CDC*) { return TRUE; }

BOOL CButtonEx::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }

void CButtonEx::OnEnable(BOOL enable) {
  Default();
  Enabled = enable != FALSE;
}

void CButtonEx::OnMouseLeave() {
  Tracking = false;
  DrawState = kNormal;
  DrawNow();
}

void CButtonEx::OnMouseHover(UINT, CPoint) {
  RequestMouseNotices();
  if (!LeftButtonHeld()) {
    DrawState = kHover;
    DrawNow();
  }
}
