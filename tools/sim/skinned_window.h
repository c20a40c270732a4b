// What tessal-sim reads from a skinned window (the game window): whether it
// is in full-screen mode, its title as the frame draws it, and where its
// caption buttons are.
#pragma once

#include <optional>
#include <string>

#include "platform/api/win_types.h"

namespace sim {

// False for a window that is not a skinned frame.
bool IsFullScreen(HWND hwnd);

// The window text, a blank and the server name, in UTF-8.
std::string FrameTitle(HWND hwnd);

// The screen point at the centre of the shown caption button `id`; none
// when the window is not a skinned frame or does not show that button.
std::optional<POINT> CaptionButtonCentre(HWND hwnd, int id);

}  // namespace sim
