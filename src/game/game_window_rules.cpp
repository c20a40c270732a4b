#include "game/game_window_rules.h"

POINT SettingsMenuPosition(POINT buttonCornerOnScreen) {
  return POINT{buttonCornerOnScreen.x, buttonCornerOnScreen.y - kSettingsMenuLift};
}

FullScreenStyleChange FullScreenStyleChangeFor(bool leaving, DWORD style) {
  FullScreenStyleChange change;
  if (leaving) {
    change.exRemove = WS_EX_TOOLWINDOW;
    change.exAdd = WS_EX_APPWINDOW;
    change.style = style | WS_THICKFRAME;
  } else {
    change.exRemove = WS_EX_APPWINDOW;
    change.exAdd = WS_EX_TOOLWINDOW;
    change.style = style & ~static_cast<DWORD>(WS_THICKFRAME);
  }
  return change;
}
