// A recording window for mouse tests: it logs every message (MessageLog),
// keeps a press on its frame from starting the system's move loop, answers
// WM_MOUSEACTIVATE as told, and asks for hover and leave notices on its
// first mouse move when told to.
#pragma once

#include "tests/support/message_log.h"

struct MouseWindowOptions {
  LRESULT mouseActivateAnswer = 0;  // 0: the default processing
  bool trackOnFirstMove = false;
};

// Options per window, set before the window sees the mouse.
MouseWindowOptions& MouseWindowOptionsFor(HWND hwnd);
void ForgetMouseWindowOptions();

LRESULT CALLBACK MouseWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The logged messages of one kind for a window, in order.
std::vector<LoggedMessage> LoggedOf(HWND hwnd, UINT message);

// Runs the thread's loop until the test user is done; the messages taken
// from the queue are returned (for checking that input came through it).
std::vector<MSG> RunUntilUserIsDone();
