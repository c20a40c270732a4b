// The push button under the mouse: an owner-drawn button asks its parent
// to draw it with the state it is in (pressed, focused, disabled); a click
// is reported only when the press ends over the button it began on.
#include <algorithm>

#include "tests/support/mouse_window.h"
#include "tests/support/platform_test.h"

namespace {

constexpr int kButtonId = 77;

struct Draw {
  UINT action;
  UINT state;
};

struct ParentLog {
  std::vector<Draw> draws;
  std::vector<DRAWITEMSTRUCT> items;
  std::vector<LPARAM> clicks;  // the button handle of each BN_CLICKED
  std::vector<POINT> parentPresses;
  HBRUSH paint = nullptr;  // the parent paints the item with it when set
};

ParentLog& Log() {
  static ParentLog log;
  return log;
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    Log().draws.push_back({item->itemAction, item->itemState});
    Log().items.push_back(*item);
    if (Log().paint) FillRect(item->hDC, &item->rcItem, Log().paint);
    return TRUE;
  }
  if (message == WM_LBUTTONDOWN) {
    Log().parentPresses.push_back(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  }
  if (message == WM_COMMAND && LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
    Log().clicks.push_back(lParam);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// What the button itself hears, through a subclass that passes everything on.
WNDPROC g_buttonProc = nullptr;
std::vector<UINT> g_buttonMessages;
LRESULT CALLBACK ButtonSpy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  g_buttonMessages.push_back(message);
  return CallWindowProcA(g_buttonProc, hwnd, message, wParam, lParam);
}

constexpr UINT kPressed = ODS_SELECTED | ODS_FOCUS;

class ButtonTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("ButtonParent", ParentProc);
    Log() = ParentLog{};
    g_buttonMessages.clear();
    parent_ = CreateWindowExA(0, "ButtonParent", "", WS_POPUP | WS_VISIBLE, 300, 300, 200, 100,
                              nullptr, nullptr, nullptr, nullptr);
    button_ = CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 20, 20, 80, 30,
                              parent_, reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
    g_buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonSpy)));
    Pump();
  }
  void TearDown() override {
    DestroyWindow(parent_);
    PlatformTest::TearDown();
  }
  UINT LastState() const { return Log().draws.empty() ? 0xFFFF : Log().draws.back().state; }
  static POINT OnButton() { return POINT{340, 335}; }
  static POINT BesideButton() { return POINT{450, 335}; }  // on the parent
  HWND parent_ = nullptr;
  HWND button_ = nullptr;
};

TEST_F(ButtonTest, EveryPaintAsksTheParentToDrawTheWholeButton) {
  ASSERT_FALSE(Log().items.empty());
  const DRAWITEMSTRUCT& item = Log().items.back();
  EXPECT_EQ(item.CtlType, static_cast<UINT>(ODT_BUTTON));
  EXPECT_EQ(item.CtlID, static_cast<UINT>(kButtonId));
  EXPECT_EQ(item.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
  EXPECT_EQ(item.itemState & (ODS_SELECTED | ODS_DISABLED), 0u);
  EXPECT_EQ(item.hwndItem, button_);
  EXPECT_EQ(item.rcItem.left, 0);
  EXPECT_EQ(item.rcItem.top, 0);
  EXPECT_EQ(item.rcItem.right, 80);
  EXPECT_EQ(item.rcItem.bottom, 30);

  Log() = ParentLog{};
  ShowWindow(button_, SW_HIDE);
  ShowWindow(button_, SW_SHOW);  // needs painting again
  Pump();
  ASSERT_EQ(Log().draws.size(), 1u);
  EXPECT_EQ(Log().draws[0].action, static_cast<UINT>(ODA_DRAWENTIRE));
}

TEST_F(ButtonTest, APressShowsWhileTheMouseIsOverTheButtonAndClicksWhenReleasedThere) {
  UINT down = 0, off = 0, backOn = 0;
  HWND captured = nullptr;
  user()
      .MoveMouse(OnButton())
      .MouseDown()
      .Do("", [&] { down = LastState(), captured = GetCapture(); })
      .MoveMouse(BesideButton())
      .Do("", [&] { off = LastState(); })
      .MoveMouse(OnButton())
      .Do("", [&] { backOn = LastState(); })
      .MouseUp()
      .Wait(50);
  RunUntilUserIsDone();

  EXPECT_EQ(down, kPressed);
  EXPECT_EQ(captured, button_);
  EXPECT_EQ(off, static_cast<UINT>(ODS_FOCUS));  // still focused, no longer pressed
  EXPECT_EQ(backOn, kPressed);
  EXPECT_EQ(LastState(), static_cast<UINT>(ODS_FOCUS));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetFocus(), button_);
  ASSERT_EQ(Log().clicks.size(), 1u);
  EXPECT_EQ(Log().clicks[0], reinterpret_cast<LPARAM>(button_));
  // Pressing and releasing redraw only the selection; focus came with the press.
  for (const Draw& d : Log().draws) {
    if (d.state & ODS_SELECTED) {
      EXPECT_EQ(d.action, static_cast<UINT>(ODA_SELECT));
    }
  }
}

TEST_F(ButtonTest, AReleaseAwayFromTheButtonIsNoClick) {
  user().MoveMouse(OnButton()).MouseDown().MoveMouse(BesideButton()).MouseUp().Wait(50);
  RunUntilUserIsDone();
  EXPECT_TRUE(Log().clicks.empty());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(LastState() & ODS_SELECTED, 0u);
}

TEST_F(ButtonTest, ADisabledButtonIsDrawnDisabledAndTakesNoMouseInput) {
  g_buttonMessages.clear();
  EnableWindow(button_, FALSE);
  EXPECT_NE(std::find(g_buttonMessages.begin(), g_buttonMessages.end(), static_cast<UINT>(WM_ENABLE)),
            g_buttonMessages.end());
  Pump();
  ASSERT_FALSE(Log().draws.empty());
  EXPECT_EQ(LastState() & ODS_DISABLED, static_cast<UINT>(ODS_DISABLED));

  Log() = ParentLog{};
  g_buttonMessages.clear();
  user().Click(OnButton()).Wait(50);
  RunUntilUserIsDone();
  EXPECT_TRUE(Log().clicks.empty());
  for (const Draw& d : Log().draws) EXPECT_EQ(d.state & ODS_SELECTED, 0u);
  for (UINT m : g_buttonMessages) {
    EXPECT_FALSE(m == WM_LBUTTONDOWN || m == WM_LBUTTONUP || m == WM_MOUSEMOVE) << MessageName(m);
  }
}

TEST_F(ButtonTest, AShapedButtonDrawsOnTheScreenAndItsHolesLetClicksThrough) {
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  Log() = ParentLog{};
  Log().paint = red;
  // The left 20 pixels of the button are a hole in its region.
  SetWindowRgn(button_, CreateRectRgn(20, 0, 80, 30), TRUE);
  InvalidateRect(button_, nullptr, TRUE);
  UpdateWindow(button_);
  ASSERT_FALSE(Log().items.empty());
  HDC parentDc = GetDC(parent_);
  EXPECT_EQ(GetPixel(parentDc, 20 + 40, 20 + 15), RGB(255, 0, 0));  // drawn through the item's DC
  ReleaseDC(parent_, parentDc);

  user().Click(POINT{300 + 20 + 5, 300 + 35}).MoveMouse(BesideButton()).Wait(50);
  RunUntilUserIsDone();
  EXPECT_TRUE(Log().clicks.empty());
  ASSERT_EQ(Log().parentPresses.size(), 1u);  // the hole's click reached the parent
  EXPECT_EQ(Log().parentPresses[0].x, 25);

  user().Click(POINT{300 + 20 + 40, 300 + 35}).MoveMouse(BesideButton()).Wait(50);
  RunUntilUserIsDone();
  EXPECT_EQ(Log().clicks.size(), 1u);
  EXPECT_EQ(Log().parentPresses.size(), 1u);
  Log().paint = nullptr;
  DeleteObject(red);
}

}  // namespace
