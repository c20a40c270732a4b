// Common controls initialisation (COMCTL32 in Windows' terms).
#pragma once

#include "platform/api/win_types.h"

#define ICC_WIN95_CLASSES 0x000000FF

struct INITCOMMONCONTROLSEX {
  DWORD dwSize;
  DWORD dwICC;
};

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
