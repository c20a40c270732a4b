// The fixture of the web view tests: a visible pop-up parent for the view,
// and the view created as its child 7 at 5,5–105,55; and a view that
// records its navigations and may cancel them.
#pragma once

#include <string>
#include <vector>

#include "fw/afx.h"
#include "tests/support/platform_test.h"

class CNavigationLog : public CHtmlView {
 public:
  // `deleted`: the view is on the heap and deletes itself when its window
  // goes, telling so there; without it the view stays where it is.
  explicit CNavigationLog(bool* deleted = nullptr) : deleted_(deleted) {}
  ~CNavigationLog() override {
    if (deleted_) *deleted_ = true;
  }
  std::vector<std::string> events;
  std::string cancel;            // a navigation to exactly this address is cancelled
  bool cancelEverything = false;

  void OnBeforeNavigate2(LPCSTR url, DWORD flags, LPCSTR frame, CByteArray& posted, LPCSTR headers,
                         BOOL* cancelled) override {
    events.push_back(std::string("before ") + url);
    CHtmlView::OnBeforeNavigate2(url, flags, frame, posted, headers, cancelled);
    if (cancelEverything || (!cancel.empty() && cancel == url)) *cancelled = TRUE;
  }
  void OnDocumentComplete(LPCSTR url) override { events.push_back(std::string("complete ") + url); }

 protected:
  void PostNcDestroy() override {
    if (!deleted_) return;
    CHtmlView::PostNcDestroy();
  }

 private:
  bool* deleted_;
};

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
