// The game window's geometry and style rules, as calculations without a
// window: where the settings menu opens and how full-screen mode changes
// the window's styles.
#pragma once

#include "platform/win32api.h"

// The settings menu's top-left corner opens this far above the settings
// button's converted corner.
constexpr int kSettingsMenuLift = 27;

// The menu's top-left corner for the screen point of the settings button's
// (right, top) corner.
POINT SettingsMenuPosition(POINT buttonCornerOnScreen);

// The style changes of one full-screen toggle: the extended styles to
// remove and add, and the new window style.
struct FullScreenStyleChange {
  DWORD exRemove = 0;
  DWORD exAdd = 0;
  DWORD style = 0;
};

// `leaving` is true when the window is in full-screen mode and leaves it:
// back to an application window with a sizing frame. Entering makes it a
// tool window without one (no taskbar button, no sizing edges).
FullScreenStyleChange FullScreenStyleChangeFor(bool leaving, DWORD style);
