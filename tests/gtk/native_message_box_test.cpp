// Message boxes on the display are GTK message dialogs: the real keyboard
// answers them, and Esc only where the box has an answer for it.
#include <gdk/gdk.h>
#include <gtk/gtk.h>

#include "tests/gtk/display_test.h"

namespace {

// Ends a box the keys failed to answer, so that a failure cannot hang the test.
gboolean AnswerNo(gpointer) {
  PostMessageA(GetActiveWindow(), WM_COMMAND, IDNO, 0);
  return G_SOURCE_REMOVE;
}

struct KeyCase {
  const char* what;
  UINT type;
  std::vector<unsigned> keys;
  int answer;
};

class NativeMessageBoxTest : public DisplayTest, public ::testing::WithParamInterface<KeyCase> {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    // Without a window manager, keys go to the window under the pointer:
    // the middle of the screen, where the dialog opens.
    MovePointer(640, 400);
  }
};

TEST_P(NativeMessageBoxTest, TheKeyboardAnswersTheDialog) {
  const KeyCase& c = GetParam();
  guint fallback = g_timeout_add(15000, AnswerNo, nullptr);
  PressKeysLater(c.keys, 700);  // once the dialog is on the screen
  int answer = MessageBoxA(nullptr, "text", "caption", c.type);
  g_source_remove(fallback);
  EXPECT_EQ(answer, c.answer);
  // The answered box's dialog goes with it.
  EXPECT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; }, 2000));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NativeMessageBoxTest,
    ::testing::Values(KeyCase{"EscEndsAnOkBoxWithOk", MB_OK, {GDK_KEY_Escape}, IDOK},
                      KeyCase{"EscCancels", MB_OKCANCEL, {GDK_KEY_Escape}, IDCANCEL},
                      KeyCase{"EscIsIgnoredByYesNoThenEnterSaysYes", MB_YESNO | MB_ICONQUESTION,
                              {GDK_KEY_Escape, GDK_KEY_Return}, IDYES},
                      KeyCase{"TabToNoAndSpace", MB_YESNO, {GDK_KEY_Tab, GDK_KEY_space}, IDNO}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.what); });

}  // namespace
