// CDialog: the framework's modal loop with its pre-translation, the dialog
// manager's keys, centring after initialisation, and modeless dialogs.
#include "fw/afx.h"
#include "tests/support/platform_test.h"

namespace {

std::vector<std::string> g_filterOrder;

class CTestDlg : public CDialog {
 public:
  explicit CTestDlg(UINT id, CWnd* parent = nullptr) : CDialog(id, parent) {}
  bool moveInInit = false;
  bool initSawVisible = true;
  CRect rectAfterInit;
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    initSawVisible = IsWindowVisible();
    if (moveInInit) SetWindowPos(nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return TRUE;
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) g_filterOrder.push_back("dialog");
    return CDialog::PreTranslateMessage(pMsg);
  }
};

// A framework window for a dialog's control, to see the filter chain's order.
class CControlWnd : public CWnd {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) g_filterOrder.push_back("control");
    return FALSE;
  }
};

class CTestApp : public CWinApp {};

class DialogFwTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    g_filterOrder.clear();
    app_.SetCurrentHandles(GetModuleHandleA(nullptr));
  }
  CTestApp app_;
};

struct EndCase {
  const char* name;
  int key;
  bool alt;
  INT_PTR result;
};

class DialogEndTest : public DialogFwTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(DialogEndTest, TheDialogManagerEndsTheModalRun) {
  const EndCase& c = GetParam();
  if (c.alt) user().PressWithAlt(c.key);
  else user().Press(c.key);
  CTestDlg dlg(IDD_TEST_PLAIN);
  EXPECT_EQ(dlg.DoModal(), c.result);
  EXPECT_EQ(dlg.m_hWnd, nullptr);  // the window is gone when DoModal returns
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogEndTest,
                         ::testing::Values(EndCase{"Enter", VK_RETURN, false, IDOK},
                                           EndCase{"Escape", VK_ESCAPE, false, IDCANCEL},
                                           EndCase{"AltF4", VK_F4, true, IDCANCEL}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogFwTest, QueuedKeysArePreTranslatedFromTheTargetOutwards) {
  CTestDlg dlg(IDD_TEST_PLAIN);
  CControlWnd okButton;
  user()
      .Do("", [&] { okButton.Attach(::GetDlgItem(dlg.m_hWnd, IDOK)); })
      .Press(VK_RETURN)
      .Do("", [&] { okButton.Detach(); });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(g_filterOrder, (std::vector<std::string>{"control", "dialog"}));
}

TEST_F(DialogFwTest, ADialogThatDidNotMoveIsCentredOnTheWorkArea) {
  CTestDlg dlg(IDD_TEST_PLAIN);
  CRect rect;
  user().Do("", [&] { dlg.GetWindowRect(&rect); }).Press(VK_ESCAPE);
  dlg.DoModal();
  EXPECT_FALSE(dlg.initSawVisible);  // shown only after initialisation
  CRect work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(rect.left, (work.left + work.right) / 2 - rect.Width() / 2);
  EXPECT_EQ(rect.top, (work.top + work.bottom) / 2 - rect.Height() / 2);
}

TEST_F(DialogFwTest, ADialogThatMovedItselfStaysWhereItWent) {
  CTestDlg dlg(IDD_TEST_PLAIN);
  dlg.moveInInit = true;
  CRect rect;
  user().Do("", [&] { dlg.GetWindowRect(&rect); }).Press(VK_ESCAPE);
  dlg.DoModal();
  EXPECT_EQ(rect.left, 5);
  EXPECT_EQ(rect.top, 7);
}

TEST_F(DialogFwTest, AHiddenTemplateIsShownWhenTheModalLoopFirstIdles) {
  CTestDlg dlg(IDD_TEST_HIDDEN);
  bool visible = false;
  user().Wait(100).Do("", [&] { visible = dlg.IsWindowVisible(); }).Press(VK_RETURN);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_TRUE(visible);
}

TEST_F(DialogFwTest, AMissingTemplateEndsDoModalAtOnce) {
  CTestDlg dlg(999);
  EXPECT_EQ(dlg.DoModal(), -1);
}

TEST_F(DialogFwTest, AModelessDialogIsOwnedByItsParentAndLivesInTheRunningLoop) {
  CTestDlg owner(IDD_TEST_PLAIN);
  CTestDlg modeless(IDD_TEST_HIDDEN);
  bool ownedByOwner = false, ownerDisabled = true;
  user()
      .Do("", [&] {
        ASSERT_TRUE(modeless.Create(IDD_TEST_HIDDEN, &owner));
        ownedByOwner = ::GetWindow(modeless.m_hWnd, GW_OWNER) == owner.m_hWnd;
        ownerDisabled = !owner.IsWindowEnabled();
      })
      .Press(VK_ESCAPE);
  owner.DoModal();
  EXPECT_TRUE(ownedByOwner);
  EXPECT_FALSE(ownerDisabled);
  EXPECT_EQ(modeless.m_hWnd, nullptr);  // went with its owner
}

TEST_F(DialogFwTest, ClosingTheMainWindowPostsQuit) {
  CTestDlg dlg(IDD_TEST_PLAIN);
  app_.m_pMainWnd = &dlg;
  user().Press(VK_ESCAPE);
  dlg.DoModal();
  EXPECT_EQ(app_.m_pMainWnd, nullptr);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
