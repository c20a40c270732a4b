// The application object: prepares the platform, runs the launcher as the
// program's one modal loop, and ends the process when that run ends.
#pragma once

#include "fw/afx.h"

class CTessalApp : public CWinApp {
 public:
  CTessalApp() = default;
  BOOL InitInstance() override;

 protected:
  DECLARE_MESSAGE_MAP()
};

extern CTessalApp theApp;
