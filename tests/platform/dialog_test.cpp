// Dialogs from templates: creation order, units, the dialog manager's keys
// and the system's modal loop.
#include "tests/support/divergence.h"
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

std::vector<UINT> g_dialogMessages;
bool g_controlsAtInit = false;

INT_PTR CALLBACK RecordingDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  g_dialogMessages.push_back(message);
  if (message == WM_INITDIALOG) {
    g_controlsAtInit = GetDlgItem(dialog, IDOK) && GetDlgItem(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK EndingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam) == IDOK ? 100 : 200);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

class DialogTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    g_dialogMessages.clear();
    g_controlsAtInit = false;
  }
};

TEST_F(DialogTest, ControlsExistBeforeTheFontAndInitMessages) {
  HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_TEST_PLAIN), nullptr,
                                   RecordingDialogProc, 0);
  ASSERT_TRUE(dialog);
  ASSERT_GE(g_dialogMessages.size(), 2u);
  EXPECT_TRUE(SameSequence({WM_SETFONT, WM_INITDIALOG},
                           {g_dialogMessages.begin(), g_dialogMessages.begin() + 2}));
  EXPECT_TRUE(g_controlsAtInit);
  EXPECT_TRUE(IsWindowVisible(dialog));                 // the template has WS_VISIBLE
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));      // the first tab stop
  EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
  DestroyWindow(dialog);
}

TEST_F(DialogTest, DialogUnitsComeFromTheDialogFont) {
  HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_TEST_HIDDEN), nullptr,
                                   RecordingDialogProc, 0);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(IsWindowVisible(dialog));
  RECT client;
  GetClientRect(dialog, &client);
  RECT units{0, 0, 200, 100};
  MapDialogRect(dialog, &units);
  EXPECT_EQ(client.right, units.right);
  EXPECT_EQ(client.bottom, units.bottom);
  RECT ok;
  GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
  POINT origin{0, 0};
  ClientToScreen(dialog, &origin);
  // 8-point MS Shell Dlg: 6 x 13 pixels a character cell.
  if (!WINE_DIVERGES("Wine replaces MS Shell Dlg with an installed font whose cell is not 6 x 13")) {
    EXPECT_EQ(units.right, 300);
    EXPECT_EQ(ok.left - origin.x, 60);  // 40 units
    EXPECT_EQ(units.bottom, 163);
    EXPECT_EQ(ok.top - origin.y, 114);  // 70 units
  }
  DestroyWindow(dialog);
}

TEST_F(DialogTest, AMissingTemplateFails) {
  SetLastError(0);
  EXPECT_EQ(CreateDialogParamA(nullptr, MAKEINTRESOURCEA(999), nullptr, RecordingDialogProc, 0),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), nullptr, RecordingDialogProc, 0), -1);
}

struct KeyCase {
  const char* name;
  int key;
  bool alt;
  INT_PTR result;
};

class DialogKeyTest : public DialogTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(DialogKeyTest, KeysEndTheModalLoopThroughTheDialogManager) {
  const KeyCase& c = GetParam();
  if (c.alt) user().PressWithAlt(c.key);
  else user().Press(c.key);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_TEST_PLAIN), nullptr, EndingDialogProc, 0),
            c.result);
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeyTest,
                         ::testing::Values(KeyCase{"Enter", VK_RETURN, false, 100},
                                           KeyCase{"Escape", VK_ESCAPE, false, 200},
                                           KeyCase{"AltF4", VK_F4, true, 200}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, TheOwnerIsDisabledWhileTheModalDialogRuns) {
  RegisterTestClass("Recorder", RecordingWindowProc);
  HWND owner = CreateWindowExA(0, "Recorder", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
  bool disabledInside = false;
  user().Do("", [&] { disabledInside = !IsWindowEnabled(owner); }).Press(VK_RETURN);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_TEST_HIDDEN), owner, EndingDialogProc, 0),
            100);
  EXPECT_TRUE(disabledInside);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

// A control without an id of its own in an extended template answers to -1,
// so it can be found (and taken over) by that id.
TEST_F(DialogTest, AControlWithoutAnIdIsFoundAsMinusOne) {
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_PLACEHOLDER),
                                   nullptr, nullptr, 0);
  ASSERT_NE(dialog, nullptr);
  HWND placeholder = GetDlgItem(dialog, -1);
  ASSERT_NE(placeholder, nullptr);
  EXPECT_EQ(GetDlgCtrlID(placeholder), -1);
  DestroyWindow(dialog);
}

}  // namespace
