// Small rules of the skinned frame that need no window: which hit-test codes
// become the title bar's, where full-screen mode puts the window, the title
// text, and how much of the window text fits the notification-area tip.
#pragma once

#include <string>

#include "platform/win32api.h"

// The system's caption buttons and window-menu box never react: their codes
// become HTCAPTION. Every other code stays.
LRESULT MapSkinHitCode(LRESULT code);

// The window rectangle whose client area, with the frame as it stands
// (window `w`, client `client`, both on the screen), covers the whole screen.
RECT FullScreenWindowRect(const RECT& w, const RECT& client, int screenWidth, int screenHeight);

// The title bar's text: the window's text, one space, the server name.
std::string FrameTitle(const std::string& windowText, const std::string& serverName);

// The tip of the notification-area icon: at most `limit` bytes of the text,
// never ending in the first byte of a two-byte character (code page 936).
std::string NotifyTipText(const std::string& text, std::size_t limit);
