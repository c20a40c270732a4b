// Message maps and window binding: the object sees its window's messages
// from creation on, handlers are found in the class's table or its bases',
// and unhandled messages get default processing.
#include "fw/afx.h"
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

class CBaseWnd : public CWnd {
 public:
  std::vector<std::string> calls;
  void OnTimer(UINT_PTR id) { calls.push_back("base timer " + std::to_string(id)); }
  void OnClose() { calls.push_back("base close"); }
  void OnCommand7() { calls.push_back("base command 7"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
  ON_WM_TIMER()
  ON_WM_CLOSE()
  ON_COMMAND(7, &CBaseWnd::OnCommand7)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
 public:
  bool sawCreate = false;
  void OnClose() {
    calls.push_back("derived close");
    Default();  // the window closes as usual
  }
  LRESULT OnCreate(WPARAM, LPARAM) {
    sawCreate = true;
    return Default();
  }
  void OnCommand8() { calls.push_back("derived command 8"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
  ON_WM_CLOSE()
  ON_MESSAGE(WM_CREATE, &CDerivedWnd::OnCreate)
  ON_COMMAND(8, &CDerivedWnd::OnCommand8)
END_MESSAGE_MAP()

class MessageMapTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Plain", DefWindowProcA);
  }
};

TEST_F(MessageMapTest, TheObjectIsBoundFromCreationAndRoutesThroughItsTables) {
  CDerivedWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, "Plain", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
  EXPECT_TRUE(wnd.sawCreate);
  EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);

  wnd.SendMessage(WM_TIMER, 3);                           // the base class's entry
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7, 0));          // a base command
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(8, 0));          // the class's own command
  EXPECT_EQ(wnd.SendMessage(WM_COMMAND, MAKEWPARAM(9, 0)), 0);  // nobody's
  HWND hwnd = wnd.m_hWnd;
  wnd.SendMessage(WM_CLOSE);  // the derived entry hides the base's
  EXPECT_EQ(wnd.calls, (std::vector<std::string>{"base timer 3", "base command 7",
                                                 "derived command 8", "derived close"}));
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(wnd.m_hWnd, nullptr);  // unbound when the window went
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST_F(MessageMapTest, FromHandleWrapsForeignWindowsUntilTheTempMapGoes) {
  HWND foreign = CreateWindowExA(0, "Plain", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
  CWnd* wrapper = CWnd::FromHandle(foreign);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->m_hWnd, foreign);
  EXPECT_EQ(CWnd::FromHandle(foreign), wrapper);
  EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
  CWnd::DeleteTempMap();
  EXPECT_TRUE(IsWindow(foreign));  // the wrapper never owned the window
  DestroyWindow(foreign);
}

TEST_F(MessageMapTest, DestroyingTheObjectDestroysItsWindow) {
  HWND hwnd;
  {
    CBaseWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "Plain", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    hwnd = wnd.m_hWnd;
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
