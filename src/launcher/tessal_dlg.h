// The launcher window. For now it holds what start-up needs: its template,
// the one-second timer that reads the start-page record, and the keyboard
// rule that keeps Enter and Esc from ending its run. Until the browser
// control exists, the address it read is shown as the window's text.
#pragma once

#include "fw/afx.h"

class CTessalDlg : public CDialog {
 public:
  CTessalDlg();
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnInitDialog() override;
  void OnTimer(UINT_PTR id);

  DECLARE_MESSAGE_MAP()
};
