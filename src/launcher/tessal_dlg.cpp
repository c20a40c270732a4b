#include "launcher/tessal_dlg.h"

#include "app/process_state.h"
#include "app/start_page_record.h"
#include "desktop/auto_start.h"
#include "desktop/shortcuts.h"
#include "res/resource_ids.h"

namespace {

constexpr UINT_PTR kStartTimer = 1;
constexpr UINT kStartTimerPeriod = 1000;

}  // namespace

BEGIN_MESSAGE_MAP(CTessalDlg, CDialog)
  ON_WM_TIMER()
END_MESSAGE_MAP()

CTessalDlg::CTessalDlg() : CDialog(IDD_TESSAL_DIALOG, nullptr) {}

BOOL CTessalDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetTimer(kStartTimer, kStartTimerPeriod);
  // The desktop integration; the results are not needed.
  CreateDesktopShortcut(ModuleBaseName(), ModulePath(), ModuleFolder());
  CreateQuickLaunchShortcut(ModuleBaseName(), ModulePath(), ModuleFolder());
  QueryAutoStart();
  return TRUE;
}

void CTessalDlg::OnTimer(UINT_PTR id) {
  if (id != kStartTimer) return;
  if (!ReadStartPageRecord()) return;  // the next tick tries again
  KillTimer(kStartTimer);
  SetWindowText(StartPageUrl);
}

BOOL CTessalDlg::PreTranslateMessage(MSG* pMsg) {
  // The dialog manager would end the run on these keys; they go on to
  // normal dispatch instead.
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
    return FALSE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}
