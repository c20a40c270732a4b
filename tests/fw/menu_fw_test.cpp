// CMenu: ownership of the handle, temporary wrappers, and the menu
// operations over the platform; CWnd's window menu and placement.
#include "fw/afx.h"
#include "tests/support/platform_test.h"

namespace {

class CTestApp : public CWinApp {};

class MenuFwTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    app_.SetCurrentHandles(GetModuleHandleA(nullptr));
  }
  void TearDown() override {
    CWnd::DeleteTempMap();
    PlatformTest::TearDown();
  }
  CTestApp app_;
};

TEST_F(MenuFwTest, AMenuObjectDestroysWhatItHoldsUnlessDetached) {
  HMENU kept = nullptr;
  HMENU destroyed = nullptr;
  {
    CMenu a, b;
    ASSERT_TRUE(a.CreatePopupMenu());
    ASSERT_TRUE(b.CreatePopupMenu());
    EXPECT_FALSE(a.CreatePopupMenu());  // one menu per object
    kept = b.Detach();
    destroyed = a.m_hMenu;
  }
  EXPECT_FALSE(IsMenu(destroyed));
  EXPECT_TRUE(IsMenu(kept));
  CMenu c;
  ASSERT_TRUE(c.Attach(kept));
  EXPECT_TRUE(c.DestroyMenu());
  EXPECT_FALSE(IsMenu(kept));
  EXPECT_EQ(c.m_hMenu, nullptr);
  EXPECT_FALSE(c.DestroyMenu());
}

// The pop-up of a loaded menu comes as a temporary wrapper that borrows the
// handle: dropping the wrappers leaves the menu alone.
TEST_F(MenuFwTest, LoadedMenusAndTheirTemporaryPopups) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
  CMenu* popup = menu.GetSubMenu(0);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->m_hMenu, ::GetSubMenu(menu, 0));
  EXPECT_EQ(menu.GetSubMenu(0), popup);  // one wrapper per handle
  EXPECT_EQ(menu.GetSubMenu(1), nullptr);
  EXPECT_EQ(popup->GetMenuItemCount(), 5u);
  EXPECT_EQ(popup->GetMenuItemID(0), static_cast<UINT>(IDM_TEST_FIRST));

  EXPECT_EQ(popup->CheckMenuItem(IDM_TEST_CHECKED, MF_BYCOMMAND | MF_UNCHECKED),
            static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(popup->CheckMenuItem(IDM_TEST_CHECKED, MF_BYCOMMAND | MF_CHECKED),
            static_cast<UINT>(MF_UNCHECKED));
  EXPECT_EQ(popup->EnableMenuItem(IDM_TEST_GRAYED, MF_BYCOMMAND | MF_ENABLED),
            static_cast<UINT>(MF_GRAYED));
  CString text;
  EXPECT_EQ(popup->GetMenuString(IDM_TEST_FIRST, text, MF_BYCOMMAND), 6);
  EXPECT_STREQ(text, "&First");

  HMENU handle = popup->m_hMenu;
  CWnd::DeleteTempMap();
  EXPECT_TRUE(IsMenu(handle));
  EXPECT_TRUE(menu.DestroyMenu());
  EXPECT_FALSE(IsMenu(handle));
}

TEST_F(MenuFwTest, TheWindowMenuAndPlacementThroughCWnd) {
  CWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, "Static", "framed", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                           300, nullptr, nullptr));
  CMenu* windowMenu = wnd.GetSystemMenu(FALSE);
  ASSERT_NE(windowMenu, nullptr);
  EXPECT_EQ(windowMenu->m_hMenu, ::GetSystemMenu(wnd, FALSE));
  UINT standardCount = windowMenu->GetMenuItemCount();
  EXPECT_TRUE(windowMenu->AppendMenu(MF_SEPARATOR));
  EXPECT_TRUE(windowMenu->AppendMenu(MF_STRING, 0x0010, "&About..."));
  EXPECT_EQ(windowMenu->GetMenuItemCount(), standardCount + 2);
  EXPECT_EQ(wnd.GetSystemMenu(TRUE), nullptr);
  EXPECT_EQ(wnd.GetSystemMenu(FALSE)->GetMenuItemCount(), standardCount);

  WINDOWPLACEMENT wp{};
  ASSERT_TRUE(wnd.GetWindowPlacement(&wp));
  EXPECT_EQ(wp.length, sizeof wp);
  wp.showCmd = SW_SHOWMAXIMIZED;
  ASSERT_TRUE(wnd.SetWindowPlacement(&wp));
  EXPECT_TRUE(wnd.IsZoomed());
  wp.showCmd = SW_SHOWMINIMIZED;
  ASSERT_TRUE(wnd.SetWindowPlacement(&wp));
  EXPECT_TRUE(wnd.IsIconic());
  wnd.DestroyWindow();
}

}  // namespace
