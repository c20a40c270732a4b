#include "launcher/tessal_dlg.h"

#include "app/process_state.h"
#include "app/start_page_record.h"
#include "desktop/auto_start.h"
#include "desktop/shortcuts.h"
#include "gfx/bitmap_resource.h"
#include "gfx/region_from_bitmap.h"
#include "launcher/launcher_layout.h"
#include "res/resource_ids.h"

namespace {

constexpr UINT_PTR kStartTimer = 1;
constexpr UINT kStartTimerPeriod = 1000;

}  // namespace

BEGIN_MESSAGE_MAP(CTessalDlg, CDialog)
  ON_WM_SYSCOMMAND()
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_WM_LBUTTONDOWN()
  ON_WM_TIMER()
  ON_BN_CLICKED(IDC_CLOSE_BUTTON, &CTessalDlg::OnCloseButton)
  ON_BN_CLICKED(IDC_MINIMIZE_BUTTON, &CTessalDlg::OnMinimizeButton)
  ON_BN_CLICKED(IDC_OFFICIAL_BUTTON, &CTessalDlg::OnOfficialButton)
  ON_BN_CLICKED(IDC_FORUM_BUTTON, &CTessalDlg::OnForumButton)
  ON_BN_CLICKED(IDC_SERVICE_BUTTON, &CTessalDlg::OnServiceButton)
  ON_BN_CLICKED(IDC_PAY_BUTTON, &CTessalDlg::OnPayButton)
END_MESSAGE_MAP()

CTessalDlg::CTessalDlg()
    : CDialog(IDD_TESSAL_DIALOG, nullptr),
      Icon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

CTessalDlg::~CTessalDlg() {
  // The controls first (their windows normally went with the launcher's at
  // the end of its run), then the pictures; the buttons' own pictures go
  // with the button objects.
  if (Browser.m_hWnd) Browser.DestroyWindow();
  for (CButtonEx* button : {&CloseButton, &MinimizeButton, &OfficialButton, &ForumButton,
                            &ServiceButton, &PayButton, &LogoButton}) {
    if (button->m_hWnd) button->DestroyWindow();
  }
  if (Background) ::DeleteObject(Background);
  Background = nullptr;
  PaintBuffer.DeleteObject();
}

BOOL CTessalDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  AddAboutItemToWindowMenu();
  SetIcon(Icon, TRUE);
  SetIcon(Icon, FALSE);

  // Every pixel of the key colour is a hole, for the eye and for the mouse.
  ModifyStyleEx(0, WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(m_hWnd, RegionKeyColor, 0, LWA_COLORKEY);
  // Sized, not placed: the framework centres a dialog that did not move.
  SetWindowPos(nullptr, 0, 0, launcher_layout::WindowWidth, launcher_layout::WindowHeight,
               SWP_NOMOVE);

  LoadBitmapResource(Background, IDB_LAUNCHER_BACKGROUND);
  CreateBrowser();
  CreateButtons();
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
  Browser.NavigateWithCallbacks(StartPageUrl, nullptr, nullptr, nullptr);
}

BOOL CTessalDlg::PreTranslateMessage(MSG* pMsg) {
  // The dialog manager would end the run on these keys; they go on to
  // normal dispatch instead, so that Enter reaches the login page.
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
    return FALSE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}
