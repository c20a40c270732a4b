#include "fw/dialog.h"

#include "fw/app.h"
#include "fw/temp_maps.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

// Everything reaches the object through its subclassed window procedure;
// the dialog procedure only lets the default dialog processing run.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  m_nIDTemplate = nIDTemplate;
  if (pParentWnd) m_pParentWnd = pParentWnd;
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  AfxHookWindowCreate(this);
  HWND hwnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), parent,
                                   &AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  if (!hwnd && m_hWnd) Detach();
  return hwnd != nullptr;
}

INT_PTR CDialog::DoModal() {
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  if (!parent) {
    CWnd* main = AfxGetMainWnd();
    if (main && main != this && main->m_hWnd) parent = main->m_hWnd;
  }
  bool enableParent = parent && ::IsWindowEnabled(parent);
  if (enableParent) ::EnableWindow(parent, FALSE);

  m_nModalResult = -1;
  AfxHookWindowCreate(this);
  HWND hwnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), parent,
                                   &AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  if (hwnd && m_hWnd) {
    m_bContinueModal = true;
    RunModalLoop();
  }
  if (m_hWnd) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (enableParent) ::EnableWindow(parent, TRUE);
  if (parent && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(parent);
  DestroyWindow();
  return m_nModalResult;
}

int CDialog::RunModalLoop() {
  bool showWhenIdle = !(GetStyle() & WS_VISIBLE);
  MSG msg;
  while (m_bContinueModal) {
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      // Idle: a template without WS_VISIBLE is shown now; temporary
      // wrappers made while handling the last messages go.
      if (showWhenIdle) {
        ShowWindow(SW_SHOWNORMAL);
        showWhenIdle = false;
      }
      AfxDeleteTempMaps();
    }
    if (!AfxPumpMessage()) {
      AfxPostQuitMessage(0);
      m_bContinueModal = false;
      return -1;
    }
  }
  return m_nModalResult;
}

void CDialog::EndModalLoop(int nResult) {
  m_nModalResult = nResult;
  if (m_bContinueModal) {
    m_bContinueModal = false;
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
  }
}

void CDialog::EndDialog(int nResult) {
  if (m_bContinueModal) EndModalLoop(nResult);
  ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() { return TRUE; }

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  CRect before;
  GetWindowRect(&before);
  BOOL result = OnInitDialog();
  // A top-level dialog that did not place itself is centred.
  if (m_hWnd && ::IsWindow(m_hWnd) && !(GetStyle() & WS_CHILD)) {
    CRect after;
    GetWindowRect(&after);
    if (after.left == before.left && after.top == before.top) CenterWindow();
  }
  return result;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  bool keyboard = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
  bool mouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
  if (!keyboard && !mouse) return FALSE;
  return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode) {
  if (CWnd::OnCmdMsg(nID, nCode)) return TRUE;
  // Commands the dialog does not handle go on to the application.
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(nID, nCode);
}

void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }
