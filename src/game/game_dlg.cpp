// The game window's set-up and tear-down, layout, keyboard filter, system
// commands and close confirmation.
#include "game/game_dlg.h"

#include "app/window_messages.h"
#include "game/game_keys.h"
#include "res/resource_ids.h"

namespace {

constexpr int kGameWidth = 1000;
constexpr int kGameHeight = 600;
// The launcher's About command; it means nothing in the game window.
constexpr UINT kAboutCommand = 0x0010;

}  // namespace

BEGIN_MESSAGE_MAP(CGameDlg, CSkinDialogBase)
  ON_WM_SYSCOMMAND()
  ON_WM_SIZING()
  ON_WM_SIZE()
  ON_WM_CLOSE()
  ON_WM_ACTIVATE()
END_MESSAGE_MAP()

CGameDlg::CGameDlg() { m_nIDTemplate = IDD_GAME_DIALOG; }

CGameDlg::~CGameDlg() {
  // The browser's window first, then the game window itself, while this
  // object's handlers can still hear its last messages.
  if (Browser.m_hWnd) Browser.DestroyWindow();
  if (m_hWnd) DestroyWindow();
}

BOOL CGameDlg::OnInitDialog() {
  CSkinDialogBase::OnInitDialog();
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FrameIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(FrameIcon));
  Browser.CreateFromPlaceholder(this, RECT{0, 0, kGameWidth, kGameHeight});
  SetWindowPos(nullptr, 0, 0, kGameWidth, kGameHeight, 0);
  CenterWindow();
  FitBrowserToClient();
  LayoutDone = true;
  // An owned window has no taskbar button unless it asks for one.
  LONG exStyle = ::GetWindowLongA(m_hWnd, GWL_EXSTYLE);
  ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_APPWINDOW);
  return TRUE;
}

void CGameDlg::NavigateGame(const char* url) {
  GameUrl = url ? url : "";
  if (url) Browser.NavigateWithCallbacks(url, nullptr, nullptr, nullptr);
}

void CGameDlg::FitBrowserToClient() {
  if (!Browser.m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  Browser.MoveWindow(0, 0, client.Width(), client.Height(), TRUE);
}

void CGameDlg::OnSizing(UINT, LPRECT) {
  Default();
  FitBrowserToClient();
}

void CGameDlg::OnSize(UINT, int, int) {
  Default();
  if (LayoutDone) FitBrowserToClient();
}

void CGameDlg::OnActivate(UINT, CWnd*, BOOL) {
  Default();
  if (LayoutDone) FitBrowserToClient();
  ::UpdateWindow(m_hWnd);
}

BOOL CGameDlg::PreTranslateMessage(MSG* pMsg) {
  switch (GameKeyRuleFor(pMsg->message, pMsg->wParam)) {
    case GameKeyRule::kDispatch:
      return FALSE;
    case GameKeyRule::kConsume:
      return TRUE;
    case GameKeyRule::kToggleThenDispatch:
      ToggleFullScreen();
      return FALSE;
    case GameKeyRule::kDialogKeyHandling:
      break;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CGameDlg::OnSysCommand(UINT command, LPARAM lParam) {
  if ((command & 0xFFF0) == kAboutCommand) return;
  CSkinDialogBase::OnSysCommand(command, lParam);
}

void CGameDlg::OnClose() {
  // Closing hands the game back to the launcher, which hides this window;
  // the window itself is neither closed nor destroyed here.
  if (::MessageBoxA(m_hWnd, "是否要关闭游戏", "", MB_YESNO) != IDYES) return;
  HWND launcher = ::GetParent(m_hWnd);
  if (launcher) {
    ::PostMessageA(launcher, UM_RETURN_TO_LAUNCHER, kReturnToLauncherParam,
                   static_cast<LPARAM>(kReturnToLauncherParam));
  }
}
