// CWinApp and the framework's global functions: the one application object,
// start-up (AfxWinMain), the message pump and the framework's message boxes.
#pragma once

#include "fw/cmd_target.h"
#include "fw/string.h"
#include "fw/wnd.h"

// The resource id of the application's title string. The program's
// resources do not hold it, so the application is named after its file.
#define AFX_IDS_APP_TITLE 0xE000
#define ID_HELP 0xE146

class CWinApp : public CCmdTarget {
 public:
  explicit CWinApp(LPCSTR appName = nullptr);
  ~CWinApp() override;

  LPCSTR m_pszAppName = nullptr;      // caption of the framework's message boxes
  LPCSTR m_pszExeName = nullptr;      // the program file's name without extension
  LPCSTR m_pszRegistryKey = nullptr;  // where profile values would be kept
  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;

  virtual BOOL InitApplication();
  virtual BOOL InitInstance();
  // The application's message loop; returns the exit code.
  virtual int Run();
  virtual int ExitInstance();
  // Offers a queued message to the windows from its target out to the main window.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual int DoMessageBox(LPCSTR prompt, UINT type, UINT idPrompt);

  void SetRegistryKey(LPCSTR key);
  CWnd* GetMainWnd() { return m_pMainWnd; }

  // Names the application from the program file (AfxWinMain does this).
  void SetCurrentHandles(HINSTANCE instance);

  // The program ships no help file, so the help command has nothing to show.
  void OnHelp() {}

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  CString appName_;
  CString exeName_;
  CString registryKey_;
  bool appNameGiven_ = false;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// The framework's pump: one message through pre-translation, then dispatch.
// False when the message was WM_QUIT.
BOOL AfxPumpMessage();
BOOL AfxPreTranslateMessage(MSG* pMsg);
void AfxPostQuitMessage(int exitCode);

int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT idHelp = 0);

// Lets dialogs host ActiveX controls (the web browser); nothing to prepare
// beyond recording that it was asked for.
void AfxEnableControlContainer();
bool AfxControlContainerEnabled();

int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
