// The fixture of the web view tests: a visible pop-up parent for the view,
// and the view created as its child 7 at 5,5–105,55.
#pragma once

#include "fw/afx.h"
#include "tests/support/platform_test.h"

class HtmlViewFixture : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    parent_ = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                              nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    if (IsWindow(parent_)) DestroyWindow(parent_);
    CWnd::DeleteTempMap();
    PlatformTest::TearDown();
  }
  bool Create(CHtmlView& view) {
    return view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(5, 5, 105, 55),
                       CWnd::FromHandle(parent_), 7) != FALSE;
  }
  HWND parent_ = nullptr;
};
