// A framework pop-up menu with the scripted user: the choice reaches the
// owner's command handler through its message map.
#include "fw/afx.h"
#include "platform/desktop/headless_host.h"
#include "tests/support/platform_test.h"

namespace {

class CTestApp : public CWinApp {};

class COwnerWnd : public CWnd {
 public:
  std::vector<UINT> commands;
  void OnFirst() { commands.push_back(IDM_TEST_FIRST); }
  void OnInner() { commands.push_back(IDM_TEST_INNER); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
  ON_COMMAND(IDM_TEST_FIRST, &COwnerWnd::OnFirst)
  ON_COMMAND(IDM_TEST_INNER, &COwnerWnd::OnInner)
END_MESSAGE_MAP()

class MenuFwHeadlessTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    app_.SetCurrentHandles(GetModuleHandleA(nullptr));
  }
  CTestApp app_;
};

TEST_F(MenuFwHeadlessTest, TheChoiceReachesTheOwnersCommandHandler) {
  COwnerWnd owner;
  ASSERT_TRUE(owner.CreateEx(0, "Static", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                             nullptr, nullptr));
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
  headless().ChooseMenuItem("First").ChooseMenuItem("Inner");
  EXPECT_TRUE(menu.GetSubMenu(0)->TrackPopupMenu(0, 10, 20, &owner));
  EXPECT_TRUE(owner.commands.empty());  // posted: it arrives with the next message
  Pump();
  EXPECT_TRUE(menu.GetSubMenu(0)->TrackPopupMenu(0, 10, 20, &owner));
  Pump();
  EXPECT_EQ(owner.commands, (std::vector<UINT>{IDM_TEST_FIRST, IDM_TEST_INNER}));
  owner.DestroyWindow();
  CWnd::DeleteTempMap();
}

}  // namespace
