// Recording window procedures and sequence comparison for message-order
// tests: each test clears the log, makes one call, and compares the
// messages that arrived with a table.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32api.h"

struct LoggedMessage {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class MessageLog {
 public:
  static std::vector<LoggedMessage>& Entries();
  static void Clear() { Entries().clear(); }
  // The messages `hwnd` (or, when null, any window) received, in order,
  // without the system's chatter that no program here handles.
  static std::vector<UINT> For(HWND hwnd = nullptr);
};

// Records every message, then does the default processing.
LRESULT CALLBACK RecordingWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

std::string MessageName(UINT message);

// Compares two message sequences and prints both by name when they differ.
::testing::AssertionResult SameSequence(const std::vector<UINT>& expected,
                                        const std::vector<UINT>& actual);
