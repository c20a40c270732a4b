// CButtonEx: an owner-drawn push button whose every look is a bitmap
// (normal, hover, pressed, disabled). A shaped button paints only inside
// the region cut out of its normal picture and leaves the key colour out of
// every picture, so that it takes the picture's outline on a colour-keyed
// window. It follows the mouse itself to show the hover look; clicks reach
// the owner as the system button's BN_CLICKED.
#pragma once

#include "fw/afx.h"

class CButtonEx : public CButton {
 public:
  CButtonEx();
  ~CButtonEx() override;

  // The looks, in DrawState order; each slot owns its bitmap.
  HBITMAP NormalBitmap = nullptr;
  HBITMAP HoverBitmap = nullptr;
  HBITMAP PressedBitmap = nullptr;
  HBITMAP DisabledBitmap = nullptr;
  // Where a shaped button paints, in client coordinates.
  CRgn ShapeRegion;
  // Read only while Shaped is set: the colour that is not copied.
  COLORREF KeyColor = 0;
  int Shaped = 0;
  // 0 normal, 1 hover, 2 pressed, 3 disabled.
  int DrawState = 0;
  // Hover and leave notices asked for, and the leave not yet come.
  bool Tracking = false;
  // The button's own copy of its enabled state.
  bool Enabled = true;
  CFont CaptionFont;

  void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

 protected:
  void PreSubclassWindow() override;

  void OnMouseMove(UINT flags, CPoint point);
  BOOL OnEraseBkgnd(CDC* dc);
  BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  void OnEnable(BOOL enable);
  void OnMouseLeave();
  void OnMouseHover(UINT flags, CPoint point);

  DECLARE_MESSAGE_MAP()

 private:
  // Composes the current look off screen and copies it onto `target`.
  void DrawButton(CDC* target);
  // DrawButton on a DC of the button's window, now.
  void DrawNow();
  HBITMAP BitmapOfLook() const;
  void RequestMouseNotices();
};
