#include "fw/app.h"

#include <algorithm>

#include "fw/temp_maps.h"

namespace {

CWinApp* g_app = nullptr;
bool g_controlContainer = false;

CString BaseNameWithoutExtension(const char* path) {
  CString name(path);
  int slash = -1;
  for (int i = name.Find('\\'); i >= 0; i = name.Find('\\', i + 1)) slash = i;
  for (int i = name.Find('/'); i >= 0; i = name.Find('/', i + 1)) slash = std::max(slash, i);
  name = name.Mid(slash + 1);
  int dot = -1;
  for (int i = name.Find('.'); i >= 0; i = name.Find('.', i + 1)) dot = i;
  return dot > 0 ? name.Left(dot) : name;
}

// The window a framework message box belongs to: the main window's active
// owned pop-up if there is one, else the main window, else none.
HWND SafeOwner() {
  CWnd* main = AfxGetMainWnd();
  HWND owner = (main && ::IsWindow(main->m_hWnd)) ? main->m_hWnd : nullptr;
  HWND active = ::GetActiveWindow();
  if (owner && active && active != owner && ::GetWindow(active, GW_OWNER) == owner) owner = active;
  return owner;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR appName) {
  g_app = this;
  if (appName) {
    appName_ = appName;
    appNameGiven_ = true;
    m_pszAppName = appName_;
  }
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

void CWinApp::SetCurrentHandles(HINSTANCE instance) {
  m_hInstance = instance;
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  exeName_ = BaseNameWithoutExtension(path);
  m_pszExeName = exeName_;
  if (!appNameGiven_) {
    CString title;
    appName_ = title.LoadString(AFX_IDS_APP_TITLE) ? title : exeName_;
  }
  m_pszAppName = appName_;
}

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run() {
  while (AfxPumpMessage()) {
    MSG idle;
    if (!::PeekMessageA(&idle, nullptr, 0, 0, PM_NOREMOVE)) AfxDeleteTempMaps();
  }
  return ExitInstance();
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
  HWND stop = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  return CWnd::WalkPreTranslateTree(stop, pMsg);
}

int CWinApp::DoMessageBox(LPCSTR prompt, UINT type, UINT) {
  // A framework box without an icon of its own gets the usual one.
  if ((type & MB_ICONMASK) == 0) {
    switch (type & MB_TYPEMASK) {
      case MB_OK:
      case MB_OKCANCEL: type |= MB_ICONEXCLAMATION; break;
      case MB_YESNO:
      case MB_YESNOCANCEL: type |= MB_ICONQUESTION; break;
      default: break;
    }
  }
  return ::MessageBoxA(SafeOwner(), prompt, m_pszAppName, type);
}

void CWinApp::SetRegistryKey(LPCSTR key) {
  registryKey_ = key;
  m_pszRegistryKey = registryKey_;
}

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }
HINSTANCE AfxGetInstanceHandle() { return g_app ? g_app->m_hInstance : ::GetModuleHandleA(nullptr); }
HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

BOOL AfxPreTranslateMessage(MSG* pMsg) {
  CWinApp* app = AfxGetApp();
  return app ? app->PreTranslateMessage(pMsg) : FALSE;
}

BOOL AfxPumpMessage() {
  MSG msg;
  if (!::GetMessageA(&msg, nullptr, 0, 0)) return FALSE;
  if (!AfxPreTranslateMessage(&msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return TRUE;
}

void AfxPostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

int AfxMessageBox(LPCSTR text, UINT type, UINT idHelp) {
  CWinApp* app = AfxGetApp();
  if (app) return app->DoMessageBox(text, type, idHelp);
  return ::MessageBoxA(nullptr, text, nullptr, type);
}

void AfxEnableControlContainer() { g_controlContainer = true; }
bool AfxControlContainerEnabled() { return g_controlContainer; }

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  app->SetCurrentHandles(instance);
  if (!app->InitApplication()) return -1;
  if (!app->InitInstance()) {
    if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
    return app->ExitInstance();
  }
  return app->Run();
}
