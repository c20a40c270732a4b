// The notification area: icons that windows add, change and remove, and the
// user's clicks on them, told to the window through its callback message.
#include <algorithm>
#include <cstring>

#include "platform/api/shell_functions.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::NotifyIcon;

namespace {

constexpr UINT kLeftDown = 0x0201, kLeftUp = 0x0202, kLeftDouble = 0x0203;
constexpr UINT kRightDown = 0x0204, kRightUp = 0x0205;

std::vector<NotifyIcon>::iterator FindIcon(HWND hwnd, UINT id) {
  auto& icons = Current().notifyIcons;
  return std::find_if(icons.begin(), icons.end(),
                      [&](const NotifyIcon& icon) { return icon.hwnd == hwnd && icon.id == id; });
}

// The tip field's size for the structure's size the caller gave: the first
// form had 64 bytes, every later one 128. Zero for a size too small to hold
// the fields the notification area reads.
std::size_t TipFieldSize(DWORD structSize) {
  if (structSize >= offsetof(NOTIFYICONDATAA, szTip) + 128) return 128;
  if (structSize >= NOTIFYICONDATAA_V1_SIZE) return 64;
  return 0;
}

// Takes what the flags name; the tip is read only inside its field and is
// always cut one byte short of it, so that it ends there.
void Apply(const NOTIFYICONDATAA& data, NotifyIcon& icon) {
  if (data.uFlags & NIF_MESSAGE) icon.callbackMessage = data.uCallbackMessage;
  if (data.uFlags & NIF_ICON) icon.icon = data.hIcon;
  if (data.uFlags & NIF_TIP) {
    std::size_t field = TipFieldSize(data.cbSize);
    icon.tip.assign(data.szTip, strnlen(data.szTip, field - 1));
  }
}

void Tell(const NotifyIcon& icon, UINT mouseMessage) {
  if (icon.callbackMessage && IsWindow(icon.hwnd)) {
    desktop::Send(icon.hwnd, icon.callbackMessage, icon.id, static_cast<LPARAM>(mouseMessage));
  }
}

}  // namespace

namespace desktop {

bool ClickNotifyIcon(HWND hwnd, UINT id, IconClick click) {
  auto it = FindIcon(hwnd, id);
  if (it == Current().notifyIcons.end()) return false;
  // The window may remove the icon while it hears of the click: keep a copy.
  NotifyIcon icon = *it;
  switch (click) {
    case IconClick::kLeft:
      Tell(icon, kLeftDown);
      Tell(icon, kLeftUp);
      break;
    case IconClick::kRight:
      Tell(icon, kRightDown);
      Tell(icon, kRightUp);
      break;
    case IconClick::kLeftDouble:
      Tell(icon, kLeftDown);
      Tell(icon, kLeftUp);
      Tell(icon, kLeftDouble);
      Tell(icon, kLeftUp);
      break;
  }
  return true;
}

void RemoveNotifyIconsOf(HWND hwnd) {
  auto& icons = Current().notifyIcons;
  auto gone = std::stable_partition(icons.begin(), icons.end(),
                                    [hwnd](const NotifyIcon& icon) { return icon.hwnd != hwnd; });
  std::vector<NotifyIcon> removed(gone, icons.end());
  icons.erase(gone, icons.end());
  for (const NotifyIcon& icon : removed) Observer().NotifyIconDeleted(icon);
}

}  // namespace desktop

BOOL WINAPI Shell_NotifyIconA(DWORD message, PNOTIFYICONDATAA data) {
  desktop::State& s = Current();
  if (!data || TipFieldSize(data->cbSize) == 0 || !IsWindow(data->hWnd)) return FALSE;
  auto it = FindIcon(data->hWnd, data->uID);
  switch (message) {
    case NIM_ADD: {
      if (it != s.notifyIcons.end()) return FALSE;  // one icon per window and id
      NotifyIcon icon;
      icon.hwnd = data->hWnd;
      icon.id = data->uID;
      Apply(*data, icon);
      s.notifyIcons.push_back(icon);
      desktop::Log("notification icon added: \"" + icon.tip + "\"");
      desktop::Observer().NotifyIconAdded(s.notifyIcons.back());
      return TRUE;
    }
    case NIM_MODIFY:
      if (it == s.notifyIcons.end()) return FALSE;
      Apply(*data, *it);
      return TRUE;
    case NIM_DELETE:
      if (it == s.notifyIcons.end()) return FALSE;
      desktop::Log("notification icon removed: \"" + it->tip + "\"");
      {
        NotifyIcon gone = *it;
        s.notifyIcons.erase(it);
        desktop::Observer().NotifyIconDeleted(gone);
      }
      return TRUE;
    default:
      return FALSE;
  }
}
