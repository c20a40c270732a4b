// Known divergences from Windows, marked rather than deleted. An
// expectation written as
//
//   if (!WINE_DIVERGES("Wine words error 32 differently")) EXPECT_EQ(...);
//
// holds on the portable desktop and on Windows; under Wine it is skipped and
// the reason is recorded in the test's output.
#pragma once

#include <gtest/gtest.h>

#include "platform/win32api.h"

inline bool RunningUnderWine() {
#ifdef _WIN32
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

#define WINE_DIVERGES(reason) \
  (RunningUnderWine() && (::testing::Test::RecordProperty("wine_divergence", reason), true))
