// The game window's rules without a window: which keys its filter takes,
// where the settings menu opens and what full screen does to its styles.
#include <gtest/gtest.h>

#include "game/game_keys.h"
#include "game/game_window_rules.h"

namespace {

TEST(GameKeyRules, EnterEscF5AndF8HaveTheirOwnRulesEverythingElseGoesToTheDialog) {
  struct Case {
    const char* what;
    UINT message;
    WPARAM key;
    GameKeyRule rule;
  } cases[] = {
      {"Enter", WM_KEYDOWN, VK_RETURN, GameKeyRule::kDispatch},
      {"Esc", WM_KEYDOWN, VK_ESCAPE, GameKeyRule::kDispatch},
      {"F5", WM_KEYDOWN, VK_F5, GameKeyRule::kConsume},
      {"F8", WM_KEYDOWN, VK_F8, GameKeyRule::kToggleThenDispatch},
      {"Tab", WM_KEYDOWN, VK_TAB, GameKeyRule::kDialogKeyHandling},
      {"F4", WM_KEYDOWN, VK_F4, GameKeyRule::kDialogKeyHandling},
      {"letter", WM_KEYDOWN, 'A', GameKeyRule::kDialogKeyHandling},
      // Only key-downs count: releases and characters take the usual way.
      {"F8 released", WM_KEYUP, VK_F8, GameKeyRule::kDialogKeyHandling},
      {"F5 released", WM_KEYUP, VK_F5, GameKeyRule::kDialogKeyHandling},
      {"Enter as a character", WM_CHAR, VK_RETURN, GameKeyRule::kDialogKeyHandling},
      {"Alt+F8", WM_SYSKEYDOWN, VK_F8, GameKeyRule::kDialogKeyHandling},
      {"mouse", WM_LBUTTONDOWN, MK_LBUTTON, GameKeyRule::kDialogKeyHandling},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GameKeyRuleFor(c.message, c.key), c.rule) << c.what;
  }
}

TEST(GameWindowRules, TheSettingsMenuOpens27PixelsAboveTheButtonsCorner) {
  POINT at = SettingsMenuPosition(POINT{1200, 140});
  EXPECT_EQ(at.x, 1200);
  EXPECT_EQ(at.y, 113);
  // Near the top of the screen the corner may lie above it.
  EXPECT_EQ(SettingsMenuPosition(POINT{5, 10}).y, -17);
}

TEST(GameWindowRules, FullScreenMakesAToolWindowWithoutSizingFrameAndLeavingUndoesIt) {
  const DWORD normal = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                       WS_MAXIMIZEBOX | WS_VISIBLE | WS_MAXIMIZE;
  FullScreenStyleChange entering = FullScreenStyleChangeFor(false, normal);
  EXPECT_EQ(entering.exRemove, static_cast<DWORD>(WS_EX_APPWINDOW));
  EXPECT_EQ(entering.exAdd, static_cast<DWORD>(WS_EX_TOOLWINDOW));
  EXPECT_EQ(entering.style, normal & ~static_cast<DWORD>(WS_THICKFRAME));

  FullScreenStyleChange leaving = FullScreenStyleChangeFor(true, entering.style);
  EXPECT_EQ(leaving.exRemove, static_cast<DWORD>(WS_EX_TOOLWINDOW));
  EXPECT_EQ(leaving.exAdd, static_cast<DWORD>(WS_EX_APPWINDOW));
  EXPECT_EQ(leaving.style, normal);
  // The other bits pass through untouched, whatever they are.
  EXPECT_EQ(FullScreenStyleChangeFor(false, WS_CHILD).style, static_cast<DWORD>(WS_CHILD));
}

}  // namespace
