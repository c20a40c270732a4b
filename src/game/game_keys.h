// What the game window's keyboard filter does with a queued message, as a
// calculation without a window.
#pragma once

#include "platform/win32api.h"

enum class GameKeyRule {
  kDispatch,                // straight on to dispatch, past the dialog's key handling
  kConsume,                 // swallowed
  kToggleThenDispatch,      // full-screen mode toggled, then on to dispatch
  kDialogKeyHandling,       // the dialog's own filter decides
};

GameKeyRule GameKeyRuleFor(UINT message, WPARAM key);
