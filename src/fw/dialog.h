// CDialog: a window made from a dialog template. DoModal runs the
// framework's own modal loop, which offers each queued message to the
// PreTranslateMessage chain before the dialog manager sees it; Create makes
// a modeless dialog that lives in whatever loop is running.
#pragma once

#include "fw/wnd.h"

class CDialog : public CWnd {
 public:
  CDialog() = default;
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  virtual INT_PTR DoModal();
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);

  virtual BOOL OnInitDialog();
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnCmdMsg(UINT nID, int nCode) override;

  // Runs until EndDialog; -1 when the thread was asked to quit.
  int RunModalLoop();
  BOOL ContinueModal() const { return m_bContinueModal; }
  void EndModalLoop(int nResult);

  UINT m_nIDTemplate = 0;
  CWnd* m_pParentWnd = nullptr;

 protected:
  virtual void OnOK();
  virtual void OnCancel();
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

  int m_nModalResult = -1;
  bool m_bContinueModal = false;

  DECLARE_MESSAGE_MAP()
};

INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
