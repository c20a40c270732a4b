// CTessalDlg: the launcher, the program's main window. A frameless,
// colour-keyed window whose shape is its background picture, with the login
// page in a browser control, a close and a minimise button, four buttons
// that open the operator's portal pages and the game's logo. The user drags
// it by its picture; it runs modally, and its run is the program's.
#pragma once

#include "browser/html_ctrl.h"
#include "controls/button_ex.h"
#include "fw/afx.h"

class CTessalDlg : public CDialog {
 public:
  CTessalDlg();
  ~CTessalDlg() override;
  CTessalDlg(const CTessalDlg&) = delete;
  CTessalDlg& operator=(const CTessalDlg&) = delete;

  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The window menu's About item.
  static constexpr UINT AboutCommand = 0x0010;

  HICON Icon = nullptr;        // icon 128, shared from the resources
  CBitmap PaintBuffer;         // the off-screen picture of the last paint
  HBITMAP Background = nullptr;  // bitmap 133, the whole window picture
  CButtonEx LogoButton;
  CButtonEx CloseButton;
  CButtonEx MinimizeButton;
  CButtonEx OfficialButton;
  CButtonEx ForumButton;
  CButtonEx ServiceButton;
  CButtonEx PayButton;
  CHtmlCtrl Browser;

 protected:
  BOOL OnInitDialog() override;

  void OnSysCommand(UINT command, LPARAM lParam);
  void OnPaint();
  HICON OnQueryDragIcon();
  void OnLButtonDown(UINT flags, CPoint point);
  void OnTimer(UINT_PTR id);
  void OnCloseButton();
  void OnMinimizeButton();
  void OnOfficialButton();
  void OnForumButton();
  void OnServiceButton();
  void OnPayButton();

  DECLARE_MESSAGE_MAP()

 private:
  void AddAboutItemToWindowMenu();
  void CreateBrowser();
  void CreateButtons();
  CButtonEx& ButtonFor(UINT id);
};
