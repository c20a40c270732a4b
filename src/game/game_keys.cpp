#include "game/game_keys.h"

GameKeyRule GameKeyRuleFor(UINT message, WPARAM key) {
  if (message != WM_KEYDOWN) return GameKeyRule::kDialogKeyHandling;
  switch (key) {
    // The dialog manager would press the default button or cancel the
    // window on these; the page gets them instead.
    case VK_RETURN:
    case VK_ESCAPE:
      return GameKeyRule::kDispatch;
    // The page must not be reloaded from under the game.
    case VK_F5:
      return GameKeyRule::kConsume;
    // Every key-down toggles, auto-repeat included.
    case VK_F8:
      return GameKeyRule::kToggleThenDispatch;
    default:
      return GameKeyRule::kDialogKeyHandling;
  }
}
