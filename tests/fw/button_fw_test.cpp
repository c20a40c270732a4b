// CButton and the mouse in the framework: a parent's draw request reaches
// the button object's DrawItem, PreSubclassWindow runs before the object's
// first message and can make any button owner-drawn, clicks reach the
// parent's command map, and the mouse handlers get their parameters unpacked.
#include "fw/afx.h"
#include "tests/support/mouse_window.h"
#include "tests/support/platform_test.h"

namespace {

constexpr UINT kButtonId = 5;

class CRecordingButton : public CButton {
 public:
  bool addOwnerDraw = false;
  std::vector<std::string> events;
  std::vector<DRAWITEMSTRUCT> draws;

  void DrawItem(LPDRAWITEMSTRUCT item) override { draws.push_back(*item); }

 protected:
  void PreSubclassWindow() override {
    events.push_back("PreSubclassWindow");
    if (addOwnerDraw) ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NCCREATE) events.push_back("WM_NCCREATE");
    return CButton::WindowProc(message, wParam, lParam);
  }
};

class CParentWnd : public CWnd {
 public:
  int clicks = 0;
  std::vector<UINT> preTranslated;
  void OnClicked() { ++clicks; }
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) {
      preTranslated.push_back(msg->message);
    }
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
  ON_BN_CLICKED(kButtonId, &CParentWnd::OnClicked)
END_MESSAGE_MAP()

class ButtonFwTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Plain", DefWindowProcA);
    ASSERT_TRUE(parent_.CreateEx(0, "Plain", "", WS_POPUP | WS_VISIBLE, 200, 200, 300, 200, nullptr,
                                 nullptr));
  }
  void TearDown() override {
    button_.DestroyWindow();
    parent_.DestroyWindow();
    PlatformTest::TearDown();
  }
  void CreateButton(DWORD style) {
    ASSERT_TRUE(button_.Create("", style, CRect(10, 10, 43, 43), &parent_, kButtonId));
    Pump();
  }
  // The framework's loop: pre-translation from the target window out to the parent.
  void RunFrameworkLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
      if (CWnd::WalkPreTranslateTree(parent_.m_hWnd, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  CParentWnd parent_;
  CRecordingButton button_;
};

TEST_F(ButtonFwTest, TheParentsDrawRequestIsReflectedToTheButtonsDrawItem) {
  CreateButton(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
  ASSERT_FALSE(button_.draws.empty());
  EXPECT_EQ(button_.draws.back().hwndItem, button_.m_hWnd);
  EXPECT_EQ(button_.draws.back().CtlID, kButtonId);
  EXPECT_EQ(button_.draws.back().rcItem.right, 33);

  // Sent by hand: the object takes it and the parent answers TRUE.
  button_.draws.clear();
  DRAWITEMSTRUCT item{ODT_BUTTON, kButtonId, 0, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, button_.m_hWnd,
                      nullptr, {0, 0, 33, 33}, 0};
  EXPECT_EQ(parent_.SendMessage(WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item)), TRUE);
  ASSERT_EQ(button_.draws.size(), 1u);
  EXPECT_EQ(button_.draws[0].itemState, static_cast<UINT>(ODS_SELECTED | ODS_FOCUS));

  // A button without an object of its own gets the default processing.
  HWND plain = CreateWindowExA(0, "Button", "", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10, parent_.m_hWnd,
                               nullptr, nullptr, nullptr);
  item.hwndItem = plain;
  EXPECT_EQ(parent_.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
  EXPECT_EQ(button_.draws.size(), 1u);
  DestroyWindow(plain);
}

TEST_F(ButtonFwTest, PreSubclassWindowRunsFirstAndCanMakeAnyButtonOwnerDrawn) {
  button_.addOwnerDraw = true;
  CreateButton(WS_CHILD | WS_VISIBLE);  // 0x50000000: no owner-draw style
  ASSERT_GE(button_.events.size(), 2u);
  EXPECT_EQ(button_.events[0], "PreSubclassWindow");
  EXPECT_EQ(button_.events[1], "WM_NCCREATE");
  EXPECT_EQ(button_.GetButtonStyle(), static_cast<UINT>(BS_OWNERDRAW));
  EXPECT_FALSE(button_.draws.empty());  // drawn by DrawItem from the first paint
}

TEST_F(ButtonFwTest, AClickComesThroughPreTranslationAndReachesTheParentsCommandMap) {
  CreateButton(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
  // The mouse goes away before the button does: Wine's own button tracks
  // the mouse and, unlike Windows, keeps tracking a window that is gone, so
  // that the next request never falls due.
  user().Click(POINT{225, 225}).MoveMouse(POINT{900, 600}).Wait(600);
  RunFrameworkLoop();
  EXPECT_EQ(parent_.clicks, 1);
  EXPECT_NE(std::find(parent_.preTranslated.begin(), parent_.preTranslated.end(),
                      static_cast<UINT>(WM_LBUTTONDOWN)),
            parent_.preTranslated.end());
  bool pressedLook = false;
  for (const DRAWITEMSTRUCT& d : button_.draws) {
    pressedLook |= (d.itemState & (ODS_SELECTED | ODS_FOCUS)) == (ODS_SELECTED | ODS_FOCUS);
  }
  EXPECT_TRUE(pressedLook);
}

// A window that follows the mouse the way a hover button does.
class CHoverWnd : public CWnd {
 public:
  std::vector<std::string> events;
  void OnMouseMove(UINT flags, CPoint point) {
    // The first move of a visit asks for hover and leave notices.
    if (!tracking_) {
      tracking_ = true;
      events.push_back("move " + std::to_string(point.x) + "," + std::to_string(point.y) +
                       ((flags & MK_LBUTTON) ? " held" : ""));
      TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd, HOVER_DEFAULT};
      ::TrackMouseEvent(&track);
    }
    Default();
  }
  void OnMouseHover(UINT, CPoint point) {
    events.push_back("hover " + std::to_string(point.x) + "," + std::to_string(point.y));
  }
  void OnMouseLeave() {
    tracking_ = false;
    events.push_back("leave");
  }
  BOOL OnSetCursor(CWnd* wnd, UINT hit, UINT message) {
    if (wnd == this && hit == HTCLIENT && message == WM_MOUSEMOVE) ++cursorQuestions;
    return static_cast<BOOL>(Default());
  }
  void OnEnable(BOOL enable) { events.push_back(enable ? "enabled" : "disabled"); }
  int cursorQuestions = 0;
  DECLARE_MESSAGE_MAP()

 private:
  bool tracking_ = false;
};

BEGIN_MESSAGE_MAP(CHoverWnd, CWnd)
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSEHOVER()
  ON_WM_MOUSELEAVE()
  ON_WM_SETCURSOR()
  ON_WM_ENABLE()
END_MESSAGE_MAP()

TEST_F(ButtonFwTest, MouseHandlersGetTheirParametersUnpacked) {
  CHoverWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, "Plain", "", WS_POPUP | WS_VISIBLE, 600, 200, 100, 100, nullptr, nullptr));
  Pump();
  user().MoveMouse(POINT{630, 240}).Wait(700).MoveMouse(POINT{900, 240}).Wait(600);
  RunFrameworkLoop();
  // Wine may report the old cursor position once more after the mouse left
  // (a late echo of the display), which makes a second, short visit.
  ASSERT_GE(wnd.events.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(wnd.events.begin(), wnd.events.begin() + 3),
            (std::vector<std::string>{"move 30,40", "hover 30,40", "leave"}));
  EXPECT_GE(wnd.cursorQuestions, 1);
  wnd.events.clear();
  wnd.EnableWindow(FALSE);
  wnd.EnableWindow(TRUE);
  EXPECT_EQ(wnd.events, (std::vector<std::string>{"disabled", "enabled"}));
}

// A window whose top band of the client area counts as its title bar, the
// way a skinned frame answers the hit test.
class CBandWnd : public CWnd {
 public:
  std::vector<std::string> events;
  LRESULT OnNcHitTest(CPoint point) {
    CPoint client = point;
    ScreenToClient(&client);
    if (client.y >= 0 && client.y < 20) return HTCAPTION;
    return Default();
  }
  void OnNcMouseMove(UINT hit, CPoint point) {
    if (events.empty()) Record("nc move", hit, point);  // the system may repeat moves after a press
  }
  void OnNcLButtonDown(UINT hit, CPoint point) { Record("nc down", hit, point); }
  void OnNcLButtonUp(UINT hit, CPoint point) { Record("nc up", hit, point); }
  void OnLButtonUp(UINT flags, CPoint point) { Record("up", flags, point); }
  DECLARE_MESSAGE_MAP()

 private:
  void Record(const char* what, UINT code, CPoint point) {
    std::string line = std::string(what) + " " + std::to_string(code) + " " + std::to_string(point.x) +
                       "," + std::to_string(point.y);
    if (events.empty() || events.back() != line) events.push_back(line);
  }
};

BEGIN_MESSAGE_MAP(CBandWnd, CWnd)
  ON_WM_NCHITTEST()
  ON_WM_NCMOUSEMOVE()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_NCLBUTTONUP()
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

TEST_F(ButtonFwTest, NonClientHandlersSeeTheirHitCodeAndScreenPoint) {
  CBandWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, "Plain", "", WS_POPUP | WS_VISIBLE, 600, 400, 100, 100, nullptr, nullptr));
  Pump();
  user().Click(POINT{610, 405}).Click(POINT{620, 450}).MoveMouse(POINT{900, 700}).Wait(50);
  RunFrameworkLoop();
  EXPECT_EQ(wnd.events, (std::vector<std::string>{"nc move 2 610,405", "nc down 2 610,405",
                                                  "nc up 2 610,405", "up 0 20,50"}));
}

}  // namespace
