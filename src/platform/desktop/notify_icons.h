// The notification area's icons as the portable desktop keeps them.
#pragma once

#include <string>

#include "platform/api/win_types.h"

namespace desktop {

struct NotifyIcon {
  HWND hwnd = nullptr;
  UINT id = 0;
  UINT callbackMessage = 0;  // 0: the window is not told of clicks
  HICON icon = nullptr;
  std::string tip;  // code page 936 bytes, at most 127 of them
};

// What the user does to an icon.
enum class IconClick { kLeft, kRight, kLeftDouble };

// The user clicks the icon of (hwnd, id): the window's callback message is
// sent with the id in wParam and each mouse message in lParam. False when
// there is no such icon.
bool ClickNotifyIcon(HWND hwnd, UINT id, IconClick click);

// Drops the icons of a window being destroyed.
void RemoveNotifyIconsOf(HWND hwnd);

}  // namespace desktop
