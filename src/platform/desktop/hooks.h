// Window hooks (only the computer-based-training hook is used: the
// framework attaches its objects to windows as they are created).
#pragma once

#include "platform/api/user_functions.h"

namespace desktop {

// Calls the hook chain of `kind`, newest first; 0 when there is none.
LRESULT CallHooks(int kind, int code, WPARAM wParam, LPARAM lParam);

}  // namespace desktop
