// CAboutDlg: the About box the launcher's window menu opens. Everything it
// shows comes from its template; it has no behaviour of its own.
#pragma once

#include "fw/afx.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();

 protected:
  DECLARE_MESSAGE_MAP()
};
