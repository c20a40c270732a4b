#include "app/tessal_app.h"

#include "launcher/tessal_dlg.h"

CTessalApp theApp;

BEGIN_MESSAGE_MAP(CTessalApp, CWinApp)
  ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CTessalApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);

  CWinApp::InitInstance();
  AfxEnableControlContainer();
  SetRegistryKey("应用程序向导生成的本地应用程序");

  {
    CTessalDlg launcher;
    m_pMainWnd = &launcher;
    launcher.DoModal();
  }
  // No message loop of the framework's own: the process ends here.
  return FALSE;
}
