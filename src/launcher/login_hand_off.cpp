// The launcher's side of a login: the timer that opens the start page, the
// login page's callbacks (portal links, server name, the game address) and
// the switch to the game window and back.
#include "app/process_state.h"
#include "app/start_page_record.h"
#include "game/game_dlg.h"
#include "launcher/login_address.h"
#include "launcher/tessal_dlg.h"
#include "res/resource_ids.h"

namespace {

constexpr char kBlankPage[] = "about:blank";

// Calls a script function of the page without arguments; a string result
// becomes the link (in the thread's code page), anything else leaves it.
void ReadPortalLink(CHtmlCtrl* control, const char* function, CString& link) {
  CStringArray noArguments;
  VARIANT result = control->CallScriptFunction(function, noArguments);
  if (result.vt == VT_BSTR) {
    CString text;
    if (result.bstrVal && result.bstrVal[0]) {
      int length = ::WideCharToMultiByte(CP_THREAD_ACP, 0, result.bstrVal, -1, nullptr, 0,
                                         nullptr, nullptr);
      if (length > 0) {
        ::WideCharToMultiByte(CP_THREAD_ACP, 0, result.bstrVal, -1, text.GetBuffer(length),
                              length, nullptr, nullptr);
        text.ReleaseBuffer();
      }
    }
    link = text;
  }
  ::VariantClear(&result);
}

}  // namespace

void CTessalDlg::OnTimer(UINT_PTR id) {
  if (id != StartTimer) return;
  if (!ReadStartPageRecord()) return;  // the next tick tries again
  KillTimer(StartTimer);
  Browser.NavigateWithCallbacks(StartPageUrl, OnLoginBeforeNavigate, this,
                                OnLoginDocumentComplete);
}

bool OnLoginBeforeNavigate(const char* url, void* context) {
  CString address(url);
  ServerName = ServerNameFromAddress(address);
  if (!IsGameAddress(address)) return false;
  static_cast<CTessalDlg*>(context)->OpenGameWindow(url);
  return true;  // the launcher's page does not follow the game address
}

void OnLoginDocumentComplete(CHtmlCtrl* control) {
  ReadPortalLink(control, "loginPayUrl", PayUrl);
  ReadPortalLink(control, "loginForumUrl", ForumUrl);
  ReadPortalLink(control, "loginServiceUrl", ServiceUrl);
  ReadPortalLink(control, "loginOfficalUrl", OfficialUrl);
}

void CTessalDlg::OpenGameWindow(const char* url) {
  if (!GameWindow) {
    GameWindow = new CGameDlg;
    if (!GameWindow->Create(IDD_GAME_DIALOG, this)) {
      // Without a game window the player stays on the login page rather
      // than being left with no window at all.
      delete GameWindow;
      GameWindow = nullptr;
      return;
    }
  }
  GameWindow->ShowWindow(SW_SHOWMAXIMIZED);
  ShowWindow(SW_HIDE);
  GameWindow->NavigateGame(url);
  Browser.NavigateWithCallbacks(kBlankPage, nullptr, nullptr, nullptr);
}

void CTessalDlg::ReturnToLauncher() {
  if (GameWindow) {
    GameWindow->NavigateGame(kBlankPage);
    GameWindow->ShowWindow(SW_HIDE);
  }
  ShowWindow(SW_SHOW);
  Browser.NavigateWithCallbacks(StartPageUrl, OnLoginBeforeNavigate, this, nullptr);
}
