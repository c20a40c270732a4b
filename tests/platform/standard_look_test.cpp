// How a plain dialog from a template looks: its face-coloured background,
// its static text, its push buttons (default, pushed, disabled), its caption
// bar active and inactive, and the colours its procedure answers. Looks
// differ between systems, so these cases compare which colours appear
// where; the portable desktop's exact pixels are checked headless.
#include <memory>

#include "tests/support/divergence.h"
#include "tests/support/platform_test.h"
#include "tests/support/window_pixels.h"

namespace {

bool IsDark(DWORD word) {
  return ((word >> 16) & 0xFF) < 0x60 && ((word >> 8) & 0xFF) < 0x60 && (word & 0xFF) < 0x60;
}

int CountIn(const DibDc& pixels, const RECT& box, bool (*test)(DWORD)) {
  int count = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) count += test(pixels.At(x, y)) ? 1 : 0;
  }
  return count;
}

// The colours the colour test's dialog procedure answers with.
struct AnsweredColours {
  HBRUSH dialog = nullptr;
  HBRUSH statics = nullptr;
};
AnsweredColours g_answered;

constexpr COLORREF kDialogRed = RGB(200, 0, 0);
constexpr COLORREF kStaticGreen = RGB(0, 160, 0);
constexpr COLORREF kTextBlue = RGB(0, 0, 255);

INT_PTR CALLBACK ColouringDialogProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_CTLCOLORDLG) return reinterpret_cast<INT_PTR>(g_answered.dialog);
  if (message == WM_CTLCOLORSTATIC) {
    auto dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, kTextBlue);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(g_answered.statics);
  }
  return message == WM_INITDIALOG;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

class StandardLookTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    gdiAtStart_ = LiveGdiObjects();
  }
  void TearDown() override {
    // Painting leaves no drawing object behind.
    EXPECT_EQ(LiveGdiObjects(), gdiAtStart_);
    PlatformTest::TearDown();
  }

  HWND OpenDialog(DLGPROC proc = PlainDialogProc) {
    HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_TEST_PLAIN), nullptr, proc, 0);
    Pump();
    UpdateWindow(dialog);
    return dialog;
  }

  // The button `id` as it is drawn now.
  std::unique_ptr<DibDc> CaptureButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    UpdateWindow(button);
    return CaptureWindow(button, false);
  }

 private:
  DWORD gdiAtStart_ = 0;
};

TEST_F(StandardLookTest, ATemplateDialogShowsItsTextAndDefaultButtonOnTheFace) {
  HWND dialog = OpenDialog();
  ASSERT_TRUE(dialog);
  auto client = CaptureWindow(dialog, false);
  DWORD face = DibWordOf(GetSysColor(COLOR_3DFACE));
  EXPECT_EQ(client->At(2, 2), face);

  RECT text = ChildRectInParent(GetDlgItem(dialog, IDC_TEST_TEXT));
  EXPECT_GT(CountIn(*client, text, IsDark), 0) << "the static shows its text";
  EXPECT_EQ(client->At(text.right - 1, text.bottom - 1), face);  // beyond the short text

  RECT ok = ChildRectInParent(GetDlgItem(dialog, IDOK));
  EXPECT_EQ(client->At(ok.left + 4, (ok.top + ok.bottom) / 2), face);
  EXPECT_GT(CountIn(*client, ok, IsDark), 4) << "the button shows its text";
  // The default button's outline sets it apart from the other (same-sized) one.
  RECT cancel = ChildRectInParent(GetDlgItem(dialog, IDCANCEL));
  ASSERT_EQ(ok.right - ok.left, cancel.right - cancel.left);
  int outlineDifferences = 0;
  for (int x = 0; x < ok.right - ok.left; ++x) {
    outlineDifferences += client->At(ok.left + x, ok.top) != client->At(cancel.left + x, cancel.top);
  }
  EXPECT_GT(outlineDifferences, 0);
  DestroyWindow(dialog);
}

TEST_F(StandardLookTest, APushedButtonLooksDifferentAndADisabledOneHasNoDarkText) {
  HWND dialog = OpenDialog();
  ASSERT_TRUE(dialog);
  HWND cancel = GetDlgItem(dialog, IDCANCEL);
  auto released = CaptureButton(dialog, IDCANCEL);
  SendMessageA(cancel, BM_SETSTATE, TRUE, 0);
  auto pushed = CaptureButton(dialog, IDCANCEL);
  SendMessageA(cancel, BM_SETSTATE, FALSE, 0);
  auto releasedAgain = CaptureButton(dialog, IDCANCEL);
  EXPECT_NE(pushed->Row(1), released->Row(1));
  EXPECT_EQ(releasedAgain->Row(1), released->Row(1));

  RECT all{};
  GetClientRect(cancel, &all);
  EXPECT_GT(CountIn(*released, all, IsDark), 4);
  EnableWindow(cancel, FALSE);
  auto disabled = CaptureButton(dialog, IDCANCEL);
  // Only the dark edge of the frame may stay dark; the text turns grey.
  RECT inside{3, 3, all.right - 3, all.bottom - 3};
  EXPECT_EQ(CountIn(*disabled, inside, IsDark), 0);
  EXPECT_GT(CountIn(*disabled, inside, [](DWORD word) {
              return word != DibWordOf(GetSysColor(COLOR_3DFACE));
            }),
            4)
      << "the disabled text is still shown";
  DestroyWindow(dialog);
}

TEST_F(StandardLookTest, TheCaptionBarShowsWhetherTheDialogIsActive) {
  HWND dialog = OpenDialog();
  ASSERT_TRUE(dialog);
  ASSERT_EQ(GetActiveWindow(), dialog);
  RECT window{}, client{};
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &client);
  POINT clientOrigin{0, 0};
  ClientToScreen(dialog, &clientOrigin);
  int frame = clientOrigin.x - window.left;
  int captionBottom = clientOrigin.y - window.top;
  POINT onBar{(window.right - window.left) * 2 / 3, (frame + captionBottom) / 2};
  DWORD active = CaptureWindow(dialog, true)->At(onBar.x, onBar.y);

  HWND other = CreateWindowExA(0, "#32770", "other", WS_POPUP | WS_VISIBLE, 600, 400, 50, 50,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(other);
  Pump();
  ASSERT_EQ(GetActiveWindow(), other);
  DWORD inactive = CaptureWindow(dialog, true)->At(onBar.x, onBar.y);
  EXPECT_NE(active, inactive);
  EXPECT_NE(active, DibWordOf(GetSysColor(COLOR_3DFACE)));
  DestroyWindow(other);
  DestroyWindow(dialog);
}

TEST_F(StandardLookTest, TheBackgroundsTheDialogAnswersAreUsed) {
  g_answered.dialog = CreateSolidBrush(kDialogRed);
  g_answered.statics = CreateSolidBrush(kStaticGreen);
  HWND dialog = OpenDialog(ColouringDialogProc);
  ASSERT_TRUE(dialog);
  auto client = CaptureWindow(dialog, false);
  EXPECT_EQ(client->At(2, 2), DibWordOf(kDialogRed));
  RECT text = ChildRectInParent(GetDlgItem(dialog, IDC_TEST_TEXT));
  EXPECT_EQ(client->At(text.right - 1, text.bottom - 1), DibWordOf(kStaticGreen));
  EXPECT_GT(CountIn(*client, text,
                    [](DWORD word) { return (word & 0xFF) > 0x80 && (word >> 16) < 0x40; }),
            0)
      << "the text in the colour the dialog set";
  DestroyWindow(dialog);
  DeleteObject(g_answered.dialog);
  DeleteObject(g_answered.statics);
}

}  // namespace
