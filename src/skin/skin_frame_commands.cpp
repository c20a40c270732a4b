// What the skinned frame does with its caption buttons, system commands,
// full-screen mode and the notification area.
#include <cstring>

#include "skin/frame_rules.h"
#include "skin/skin_dialog_base.h"

namespace {

constexpr std::size_t kTipLimit = 127;

bool IsPassedOnSystemCommand(WPARAM command) {
  switch (command) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

void CSkinDialogBase::OnCaptionButton(int id) {
  switch (id) {
    case kCloseButton: SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case kMaximizeButton: ShowWindow(SW_MAXIMIZE); break;
    case kRestoreButton: ShowWindow(SW_RESTORE); break;
    case kMinimizeButton: SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
    case kTrayButton: HideToNotificationArea(); break;
    default: break;
  }
}

void CSkinDialogBase::HideToNotificationArea() {
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = m_hWnd;
  icon.uID = kTrayIconId;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = UM_TRAY_NOTIFY;
  icon.hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kFrameIconResource));
  CString text;
  GetWindowText(text);
  std::string tip = NotifyTipText(static_cast<const char*>(text), kTipLimit);
  std::memcpy(icon.szTip, tip.data(), tip.size());
  // Refused when the icon is there already; the window hides all the same
  // and the icon there brings it back.
  ::Shell_NotifyIconA(NIM_ADD, &icon);
  ShowWindow(SW_HIDE);
}

LRESULT CSkinDialogBase::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
  if (wParam != kTrayIconId) return 1;
  if (lParam == WM_LBUTTONUP) ShowWindow(SW_SHOW);
  return 0;
}

void CSkinDialogBase::OnSysCommand(UINT command, LPARAM lParam) {
  // The system's move loop swallows the release that ends it; post one so
  // that a caption button under it still hears of it.
  if ((command & 0xFFF0) == SC_MOVE) PostMessage(WM_NCLBUTTONUP, command, lParam);
  Default();
}

BOOL CSkinDialogBase::OnCommand(WPARAM wParam, LPARAM lParam) {
  // The window menu opened from the icon answers with commands; they are
  // the system's.
  if (IsPassedOnSystemCommand(wParam)) SendMessage(WM_SYSCOMMAND, wParam, lParam);
  return CDialog::OnCommand(wParam, lParam);
}

void CSkinDialogBase::ToggleFullScreen() {
  if (FullScreenMode) {
    FullScreenMode = false;
    SetWindowPlacement(&SavedPlacement);
    ShowWindow(SW_MAXIMIZE);
    return;
  }
  // Set before anything moves: the client calculation the move triggers
  // already lays the frame out for full screen.
  FullScreenMode = true;
  int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  SavedPlacement = WINDOWPLACEMENT{};
  SavedPlacement.length = sizeof SavedPlacement;
  GetWindowPlacement(&SavedPlacement);
  CRect window, client;
  GetWindowRect(&window);
  GetClientRect(&client);
  ClientToScreen(reinterpret_cast<POINT*>(&client.left));
  ClientToScreen(reinterpret_cast<POINT*>(&client.right));
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  placement.flags = 0;
  placement.showCmd = SW_SHOWNORMAL;
  placement.rcNormalPosition = FullScreenWindowRect(window, client, screenWidth, screenHeight);
  SetWindowPlacement(&placement);
}
