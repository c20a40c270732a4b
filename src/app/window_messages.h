// The window message the program's own windows exchange.
#pragma once

#include "platform/win32api.h"

// Posted by the game window to the launcher when the player closes the
// game; both parameters must be kReturnToLauncherParam.
constexpr UINT UM_RETURN_TO_LAUNCHER = WM_USER + 2;
constexpr WPARAM kReturnToLauncherParam = 100;
