// The game window's commands: the settings menu and what its items do,
// the portal-link caption buttons and its side of full-screen mode.
#include "app/process_state.h"
#include "desktop/auto_start.h"
#include "desktop/browser_cache.h"
#include "desktop/portal_link.h"
#include "game/game_dlg.h"
#include "game/game_window_rules.h"
#include "res/resource_ids.h"

BOOL CGameDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case ID_SETTINGS_FULLSCREEN: ToggleFullScreen(); break;
    case ID_SETTINGS_AUTOSTART: ToggleAutoStart(); break;
    case ID_SETTINGS_CLEARCACHE: ClearCacheAfterAsking(); break;
    case ID_SETTINGS_REFRESH: Refresh(); break;
    default: break;
  }
  return CSkinDialogBase::OnCommand(wParam, lParam);
}

void CGameDlg::OnCaptionButton(int id) {
  // The links come from the login page: only web addresses reach the shell.
  switch (id) {
    case kSettingsButton: ShowSettingsMenu(); break;
    case kServiceButton: OpenPortalLink(ServiceUrl); break;
    case kForumButton: OpenPortalLink(ForumUrl); break;
    case kOfficialButton: OpenPortalLink(OfficialUrl); break;
    case kPayButton: OpenPortalLink(PayUrl); break;
    default: CSkinDialogBase::OnCaptionButton(id); break;
  }
}

void CGameDlg::ShowSettingsMenu() {
  if (!SettingsBtn) return;
  CMenu menu;
  if (!menu.LoadMenu(IDR_SETTINGS_MENU)) return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup) return;
  popup->CheckMenuItem(ID_SETTINGS_AUTOSTART,
                       MF_BYCOMMAND | (AutoStartEnabled ? MF_CHECKED : MF_UNCHECKED));
  // The button's rectangle is in window coordinates; converted as if it
  // were in client ones, its corner lands below the caption, and the lift
  // brings the menu up to the button's row.
  POINT corner{SettingsBtn->Rect.right, SettingsBtn->Rect.top};
  ClientToScreen(&corner);
  POINT at = SettingsMenuPosition(corner);
  // Returns when the menu closes; a chosen item comes back as WM_COMMAND.
  popup->TrackPopupMenu(0, at.x, at.y, this);
}

void CGameDlg::ToggleAutoStart() {
  if (AutoStartEnabled) {
    ClearAutoStart();
  } else {
    SetAutoStart();
  }
}

void CGameDlg::ClearCacheAfterAsking() {
  if (::MessageBoxA(m_hWnd, "确定要清理缓存吗？可能需要一些时间等待", "", MB_YESNO) != IDYES) {
    return;
  }
  ClearBrowserCache();
  MessageBox("缓存清理好了！");
}

void CGameDlg::Refresh() {
  // The address the game was opened on, not wherever the page has moved.
  Browser.NavigateWithCallbacks(GameUrl, nullptr, nullptr, nullptr);
}

void CGameDlg::ToggleFullScreen() {
  DWORD style = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
  FullScreenStyleChange change = FullScreenStyleChangeFor(FullScreenMode, style);
  ModifyStyleEx(change.exRemove, change.exAdd, 0);
  ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(change.style));
  CSkinDialogBase::ToggleFullScreen();
}
