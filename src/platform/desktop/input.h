// Input that hosts feed into the desktop.
#pragma once

#include <string>

#include "platform/api/win_types.h"

namespace desktop {

// Queues the key message a key going down or up produces, for the window
// with the keyboard focus (or the active window when none has it). The host
// has already updated the held state.
void InjectKey(int virtualKey, bool down);

// The button a message box gives when its default button is pressed.
int DefaultMessageBoxButton(HWND box);
std::string MessageBoxButtonName(int id);

}  // namespace desktop
