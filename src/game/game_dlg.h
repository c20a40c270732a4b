// CGameDlg: the window the game is played in. A modeless dialog with the
// skinned frame whose whole client area is a browser showing the game.
// On top of the frame it adds its layout (1000 x 600, centred, the browser
// following every size change), a keyboard filter (F5 swallowed, F8 full
// screen, Enter and Esc never close it), full screen as a tool window
// without a sizing frame, a close confirmation that hands control back to
// its parent instead of closing, the settings menu on caption button 6
// and the portal links on caption buttons 7 to 10.
#pragma once

#include "browser/html_ctrl.h"
#include "fw/afx.h"
#include "skin/skin_dialog_base.h"

class CGameDlg : public CSkinDialogBase {
 public:
  CGameDlg();
  ~CGameDlg() override;
  CGameDlg(const CGameDlg&) = delete;
  CGameDlg& operator=(const CGameDlg&) = delete;

  // Remembers the address for the refresh command and opens it; a null
  // address forgets it and opens nothing.
  void NavigateGame(const char* url);

  BOOL PreTranslateMessage(MSG* pMsg) override;
  void OnCaptionButton(int id) override;
  void ToggleFullScreen() override;

  CString GameUrl;   // the address last asked for; the refresh command reopens it
  CHtmlCtrl Browser;  // fills the client area
  bool LayoutDone = false;  // until set, size and activation leave Browser alone

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  void OnSysCommand(UINT command, LPARAM lParam);
  void OnSizing(UINT edge, LPRECT rect);
  void OnSize(UINT type, int cx, int cy);
  void OnClose();
  void OnActivate(UINT state, CWnd* other, BOOL minimized);

  DECLARE_MESSAGE_MAP()

 private:
  void FitBrowserToClient();
  void ShowSettingsMenu();
  void ToggleAutoStart();
  void ClearCacheAfterAsking();
  void Refresh();
};
