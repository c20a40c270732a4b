// CHtmlView on the platform's browser, the same on both: the view is a
// child at its rectangle whose page follows its size, a navigation is
// announced before it starts and a cancel keeps it from happening, only
// key messages reach the browser's accelerators, and a view on the heap
// goes with its window.
#include <string>
#include <vector>

#include "tests/fw/html_view_fixture.h"

namespace {

// The window that shows the page: on the portable desktop the view's own,
// on Windows the control's window inside the view.
HWND PageWindow(const CHtmlView& view) {
#ifdef _WIN32
  return ::GetWindow(view.m_hWnd, GW_CHILD);
#else
  return view.m_hWnd;
#endif
}

class HtmlViewPlatformTest : public HtmlViewFixture {
 protected:
  // "left top right bottom" in the parent's client coordinates.
  std::string RectInParent(HWND window) const {
    RECT r;
    GetWindowRect(window, &r);
    POINT topLeft{r.left, r.top}, bottomRight{r.right, r.bottom};
    ScreenToClient(parent_, &topLeft);
    ScreenToClient(parent_, &bottomRight);
    r = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom);
  }
};

TEST_F(HtmlViewPlatformTest, AChildAtItsRectangleWhosePageFollowsItsSize) {
  CNavigationLog view;
  ASSERT_TRUE(Create(view));
  EXPECT_EQ(GetParent(view.m_hWnd), parent_);
  EXPECT_EQ(view.GetDlgCtrlID(), 7);
  EXPECT_TRUE(view.IsWindowVisible());
  EXPECT_EQ(RectInParent(view.m_hWnd), "5 5 105 55");

  view.MoveWindow(10, 20, 300, 200);
  HWND page = PageWindow(view);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(RectInParent(page), "10 20 310 220");
}

TEST_F(HtmlViewPlatformTest, ANavigationIsAnnouncedBeforeItStartsAndACancelStopsIt) {
  CNavigationLog view;
  ASSERT_TRUE(Create(view));
  EXPECT_EQ(view.GetHtmlDocument(), nullptr);  // nothing loaded yet
  view.cancelEverything = true;
  view.Navigate2("http://127.0.0.1:9/start.html");
  // Announced inside the call, before anything is fetched.
  EXPECT_EQ(view.events, (std::vector<std::string>{"before http://127.0.0.1:9/start.html"}));
  Pump();
  EXPECT_EQ(view.events, (std::vector<std::string>{"before http://127.0.0.1:9/start.html"}));
  EXPECT_EQ(view.GetHtmlDocument(), nullptr);
}

TEST_F(HtmlViewPlatformTest, OnlyKeyMessagesReachTheBrowsersAccelerators) {
  CNavigationLog view;
  ASSERT_TRUE(Create(view));
  MSG timer{PageWindow(view), WM_TIMER, VK_F5, 0, 0, {0, 0}};
  MSG paint{PageWindow(view), WM_PAINT, 0, 0, 0, {0, 0}};
  EXPECT_FALSE(view.PreTranslateMessage(&timer));
  EXPECT_FALSE(view.PreTranslateMessage(&paint));
  EXPECT_FALSE(view.PreTranslateMessage(nullptr));
}

TEST_F(HtmlViewPlatformTest, AViewOnTheHeapGoesWithItsWindow) {
  bool deleted = false;
  auto* view = new CNavigationLog(&deleted);
  ASSERT_TRUE(Create(*view));
  view->Navigate2("about:blank");
  DestroyWindow(parent_);  // the child goes with its parent, and the view with it
  EXPECT_TRUE(deleted);
  Pump();  // whatever was pending finds no window and does nothing
}

}  // namespace
