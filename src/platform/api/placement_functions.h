// Window placement: the normal, minimised and maximised positions of a
// top-level window and its show state, read and set together.
#pragma once

#include "platform/api/user_constants.h"

#define WPF_SETMINPOSITION 0x0001
#define WPF_RESTORETOMAXIMIZED 0x0002

struct WINDOWPLACEMENT {
  UINT length;
  UINT flags;
  UINT showCmd;
  POINT ptMinPosition;
  POINT ptMaxPosition;
  RECT rcNormalPosition;
};
using LPWINDOWPLACEMENT = WINDOWPLACEMENT*;

BOOL WINAPI GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
BOOL WINAPI SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement);
