// CSkinDialogBase: a dialog that replaces the system's frame with its own.
// It computes its client area itself, paints its title bar and borders from
// eight pictures, draws the program icon, a bold title and ten caption
// buttons with hover looks, answers hit tests so that the top of the client
// area drags the window, toggles full-screen mode and hides into the
// notification area. Subclasses extend OnCaptionButton and ToggleFullScreen.
#pragma once

#include <memory>
#include <vector>

#include "fw/afx.h"
#include "fw/dc.h"
#include "gfx/my_cbitmap.h"
#include "skin/caption_layout.h"
#include "skin/skin_caption_button.h"

// The callback message of the notification-area icon.
constexpr UINT UM_TRAY_NOTIFY = WM_USER + 1;
// The notification-area icon's id and the frame's icon resource.
constexpr UINT kTrayIconId = 128;
constexpr WORD kFrameIconResource = 128;
// The dialog template of the skinned window.
constexpr UINT kSkinDialogTemplate = 130;

class CSkinDialogBase : public CDialog {
 public:
  CSkinDialogBase();
  ~CSkinDialogBase() override;

  // Draws every shown button in its normal look onto `dc` (window coordinates).
  void DrawButtonsNormal(CDC* dc);

  // The caption button `id` was clicked: 1 close, 2 maximise, 3 restore,
  // 4 minimise, 5 hide into the notification area; others do nothing here.
  virtual void OnCaptionButton(int id);
  // Into full-screen mode (the client area covers the screen) or back out
  // of it (the saved placement, then maximised).
  virtual void ToggleFullScreen();

  MyCBitmap CaptionLeftBitmap;
  MyCBitmap CaptionMiddleBitmap;
  MyCBitmap CaptionRightBitmap;
  MyCBitmap LeftBorderBitmap;
  MyCBitmap RightBorderBitmap;
  MyCBitmap BottomLeftBitmap;
  MyCBitmap BottomBorderBitmap;
  MyCBitmap BottomRightBitmap;
  std::vector<std::unique_ptr<CSkinCaptionButton>> Buttons;  // in id order
  CSkinCaptionButton* CloseBtn = nullptr;
  CSkinCaptionButton* MinimizeBtn = nullptr;
  CSkinCaptionButton* MaximizeBtn = nullptr;
  CSkinCaptionButton* TrayBtn = nullptr;
  CSkinCaptionButton* RestoreBtn = nullptr;
  CSkinCaptionButton* SettingsBtn = nullptr;
  CSkinCaptionButton* ServiceBtn = nullptr;
  CSkinCaptionButton* ForumBtn = nullptr;
  CSkinCaptionButton* OfficialBtn = nullptr;
  CSkinCaptionButton* PayBtn = nullptr;
  HICON FrameIcon = nullptr;
  RECT IconRect{};
  int HotButton = 0;  // 1-based position in Buttons of the button shown hot; 0 for none
  CFont TitleFont;    // bold copy of the dialog's font, for the title
  bool FrameReady = false;
  bool FullScreenMode = false;
  WINDOWPLACEMENT SavedPlacement{};

 protected:
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  virtual void OnDestroy();

  int OnCreate(LPCREATESTRUCTA create);
  void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
  void OnNcPaint();
  BOOL OnNcActivate(BOOL active);
  BOOL OnEraseBkgnd(CDC* dc);
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
  LRESULT OnNcHitTest(CPoint point);
  void OnNcLButtonDown(UINT hit, CPoint point);
  void OnNcMouseMove(UINT hit, CPoint point);
  void OnNcLButtonUp(UINT hit, CPoint point);
  void OnSysCommand(UINT command, LPARAM lParam);
  void OnSize(UINT type, int cx, int cy);
  LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);

  // Paints the whole frame onto the window: pieces, icon, title, buttons.
  void PaintFrame();

  DECLARE_MESSAGE_MAP()

 private:
  void PlaceButtons(const CaptionLayout& layout);
  // A screen point in window coordinates.
  CPoint ToWindow(CPoint screen) const;
  // The first button (1-based position) whose rectangle holds the window
  // point; 0 for none.
  int ButtonAt(CPoint windowPoint) const;
  void PaintPieces(CDC& window, CDC& pieces, const RECT& windowRect);
  void PaintIconAndTitle(CDC& window);
  void HideToNotificationArea();
};
