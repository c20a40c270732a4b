// CButton: the system's button control, bound to a framework object. An
// owner-drawn button (BS_OWNERDRAW) is drawn by its object's DrawItem: the
// parent's WM_DRAWITEM is reflected back to the button.
#pragma once

#include "fw/wnd.h"

class CButton : public CWnd {
 public:
  CButton() = default;

  // Creates the button as a child of `parent`, `rect` in the parent's client
  // coordinates.
  BOOL Create(LPCSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // The button's type (BS_PUSHBUTTON, BS_OWNERDRAW, ...), and a new one.
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT style, BOOL redraw = TRUE);

  // Draws an owner-drawn button; nothing by default.
  virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
