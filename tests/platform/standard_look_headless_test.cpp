// The portable desktop's own look, pixel for pixel: text laid out in lines
// (prefixes, wrapping, code page 936 characters kept whole), the push
// button's edges, the caption bar's colours and close box.
#include <memory>
#include <string>

#include "platform/desktop/standard_look.h"
#include "tests/support/platform_test.h"
#include "tests/support/window_pixels.h"

namespace {

int TextWidth(HDC dc, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::vector<std::string> Shown(const std::vector<desktop::look::TextLine>& lines) {
  std::vector<std::string> shown;
  for (const auto& line : lines) shown.push_back(line.shown);
  return shown;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// A window's frame as drawn: its screen rectangle, the border's width and
// the caption's bottom, both in window coordinates.
struct FrameGeometry {
  RECT window{};
  int frame = 0;
  int captionBottom = 0;
};

FrameGeometry MeasureFrame(HWND hwnd) {
  FrameGeometry g;
  GetWindowRect(hwnd, &g.window);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  g.frame = origin.x - g.window.left;
  g.captionBottom = origin.y - g.window.top;
  return g;
}

class StandardLookHeadlessTest : public PlatformTest {
 protected:
  // A memory DC with the system font, made within the run.
  HDC Measuring() {
    if (!measuring_) measuring_ = std::make_unique<DibDc>(4, 4);
    return measuring_->dc();
  }
  void TearDown() override {
    measuring_.reset();
    PlatformTest::TearDown();
  }

  HWND OpenDialog() {
    HWND dialog =
        CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_TEST_PLAIN), nullptr, PlainDialogProc, 0);
    Pump();
    UpdateWindow(dialog);
    return dialog;
  }

 private:
  std::unique_ptr<DibDc> measuring_;
};

TEST_F(StandardLookHeadlessTest, PrefixesShowUnderlinesAndDoubledAmpersands) {
  struct Case {
    const char* text;
    bool noPrefix;
    std::string shown;
    std::vector<std::size_t> underlined;
  };
  const Case cases[] = {
      {"&OK", false, "OK", {0}},
      {"Save && &quit", false, "Save & quit", {7}},
      {"a&&b", true, "a&&b", {}},
      {"end&", false, "end", {}},
      {"关闭(&C)", false, "关闭(C)", {5}},
  };
  for (const Case& c : cases) {
    auto lines = desktop::look::LayOutText(Measuring(), c.text, c.noPrefix, 0);
    ASSERT_EQ(lines.size(), 1u) << c.text;
    EXPECT_EQ(lines[0].shown, c.shown) << c.text;
    EXPECT_EQ(lines[0].underlined, c.underlined) << c.text;
  }
}

TEST_F(StandardLookHeadlessTest, LinesBreakAtNewlinesAndAtTheLastSpaceThatFits) {
  HDC dc = Measuring();
  EXPECT_EQ(Shown(desktop::look::LayOutText(dc, "one\ntwo\r\n\nfour", false, 0)),
            (std::vector<std::string>{"one", "two", "", "four"}));
  int width = TextWidth(dc, "alpha beta g");
  EXPECT_EQ(Shown(desktop::look::LayOutText(dc, "alpha beta gamma delta", false, width)),
            (std::vector<std::string>{"alpha beta", "gamma", "delta"}));
  // A word longer than the width breaks between its characters.
  int narrow = TextWidth(dc, "abc");
  EXPECT_EQ(Shown(desktop::look::LayOutText(dc, "abcdefg", false, narrow)),
            (std::vector<std::string>{"abc", "def", "g"}));
}

TEST_F(StandardLookHeadlessTest, ChineseTextWrapsBetweenWholeCharacters) {
  HDC dc = Measuring();
  const std::string text = "版权所有开发组版权所有";  // code page 936: two bytes a character
  // Room for three characters and a half.
  int width = (TextWidth(dc, "版权所") + TextWidth(dc, "版权所有")) / 2;
  auto lines = desktop::look::LayOutText(dc, text, false, width);
  ASSERT_GE(lines.size(), 3u);
  std::string joined;
  for (const auto& line : lines) {
    EXPECT_EQ(line.shown.size() % 2, 0u) << "a character split at a line break";
    EXPECT_LE(TextWidth(dc, line.shown), width);
    joined += line.shown;
  }
  EXPECT_EQ(lines[0].shown, "版权所");
  EXPECT_EQ(joined, text);
}

TEST_F(StandardLookHeadlessTest, AStaticWrapsALongLineOntoTheNextInTheTextColour) {
  HWND dialog = OpenDialog();
  ASSERT_TRUE(dialog);
  HWND text = GetDlgItem(dialog, IDC_TEST_TEXT);
  MoveWindow(text, 10, 10, 120, 60, TRUE);
  SetWindowTextA(text, "版权所有 (C) 2026 Tessal 开发组，版权所有开发组");
  UpdateWindow(dialog);
  auto pixels = CaptureWindow(text, false);
  TEXTMETRICA metrics{};
  HDC dc = GetDC(text);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0)));
  GetTextMetricsA(dc, &metrics);
  ReleaseDC(text, dc);
  DWORD face = DibWordOf(GetSysColor(COLOR_3DFACE));
  DWORD ink = DibWordOf(GetSysColor(COLOR_WINDOWTEXT));
  auto inkIn = [&](int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < 120; ++x) count += pixels->At(x, y) == ink ? 1 : 0;
    }
    return count;
  };
  EXPECT_GT(inkIn(0, metrics.tmHeight), 0);
  EXPECT_GT(inkIn(metrics.tmHeight, 2 * metrics.tmHeight), 0) << "the second line";
  EXPECT_EQ(pixels->At(119, 59), face);
  DestroyWindow(dialog);
}

TEST_F(StandardLookHeadlessTest, PushButtonsHaveTheClassicEdges) {
  HWND dialog = OpenDialog();
  ASSERT_TRUE(dialog);
  HWND ok = GetDlgItem(dialog, IDOK), cancel = GetDlgItem(dialog, IDCANCEL);
  const DWORD black = 0, white = DibWordOf(GetSysColor(COLOR_3DHILIGHT));
  const DWORD shadow = DibWordOf(GetSysColor(COLOR_3DSHADOW)), dark = DibWordOf(GetSysColor(COLOR_3DDKSHADOW));
  const DWORD face = DibWordOf(GetSysColor(COLOR_3DFACE));
  auto def = CaptureWindow(ok, false);
  RECT box{};
  GetClientRect(ok, &box);
  EXPECT_EQ(def->At(0, 0), black);
  EXPECT_EQ(def->At(box.right - 1, box.bottom - 1), black);
  EXPECT_EQ(def->At(1, 1), white);
  EXPECT_EQ(def->At(box.right - 2, box.bottom - 2), dark);
  EXPECT_EQ(def->At(4, box.bottom / 2), face);

  auto plain = CaptureWindow(cancel, false);
  EXPECT_EQ(plain->At(0, 0), white);
  EXPECT_EQ(plain->At(box.right - 1, box.bottom - 1), dark);
  SendMessageA(cancel, BM_SETSTATE, TRUE, 0);
  UpdateWindow(cancel);
  auto pushed = CaptureWindow(cancel, false);
  EXPECT_EQ(pushed->At(0, 0), shadow);
  EXPECT_EQ(pushed->At(1, 1), face);
  SendMessageA(cancel, BM_SETSTATE, FALSE, 0);

  // Disabled: the text in the grey text colour, nothing darker.
  EnableWindow(cancel, FALSE);
  UpdateWindow(cancel);
  auto disabled = CaptureWindow(cancel, false);
  const DWORD grey = DibWordOf(GetSysColor(COLOR_GRAYTEXT));
  int greyPixels = 0, darker = 0;
  for (int y = 2; y < box.bottom - 2; ++y) {
    for (int x = 2; x < box.right - 2; ++x) {
      DWORD word = disabled->At(x, y);
      greyPixels += word == grey ? 1 : 0;
      darker += (word & 0xFF) < (grey & 0xFF) ? 1 : 0;
    }
  }
  EXPECT_GT(greyPixels, 0);
  EXPECT_EQ(darker, 0);
  DestroyWindow(dialog);
}

TEST_F(StandardLookHeadlessTest, TheCaptionBarTakesTheActivationColoursAndShowsACloseBox) {
  HWND dialog = OpenDialog();
  ASSERT_TRUE(dialog);
  const auto [window, frame, captionBottom] = MeasureFrame(dialog);
  int width = window.right - window.left;
  POINT onBar{width * 2 / 3, (frame + captionBottom) / 2};
  auto active = CaptureWindow(dialog, true);
  EXPECT_EQ(active->At(onBar.x, onBar.y), DibWordOf(GetSysColor(COLOR_ACTIVECAPTION)));
  EXPECT_EQ(active->At(0, 0), DibWordOf(GetSysColor(COLOR_3DHILIGHT)));
  EXPECT_EQ(active->At(frame - 1, captionBottom + 5), DibWordOf(GetSysColor(COLOR_3DFACE)));

  // The close box lies where hit testing finds it, with its cross in the middle.
  int closeX = width - frame - 18;
  POINT closeOnScreen{window.left + closeX, window.top + onBar.y};
  EXPECT_EQ(SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(closeOnScreen.x, closeOnScreen.y)),
            HTCLOSE);
  EXPECT_EQ(active->At(closeX, onBar.y), DibWordOf(GetSysColor(COLOR_BTNTEXT)));
  EXPECT_EQ(active->At(closeX - 10, onBar.y), DibWordOf(GetSysColor(COLOR_3DFACE)));

  SendMessageA(dialog, WM_NCACTIVATE, FALSE, 0);
  auto inactive = CaptureWindow(dialog, true);
  EXPECT_EQ(inactive->At(onBar.x, onBar.y), DibWordOf(GetSysColor(COLOR_INACTIVECAPTION)));

  // A new text is drawn on the bar at once, in the same state.
  auto textRow = [&](const DibDc& pixels) { return pixels.Row(onBar.y); };
  std::vector<DWORD> before = textRow(*inactive);
  SetWindowTextA(dialog, "关于 Tessal");
  auto retitled = CaptureWindow(dialog, true);
  EXPECT_NE(textRow(*retitled), before);
  EXPECT_EQ(retitled->At(onBar.x, onBar.y), DibWordOf(GetSysColor(COLOR_INACTIVECAPTION)));
  DestroyWindow(dialog);
}

TEST_F(StandardLookHeadlessTest, CaptionButtonsAreDrawnWhereHitTestingFindsThem) {
  const char* cls = RegisterTestClass("StandardFrame", DefWindowProcA);
  HWND hwnd = CreateWindowExA(0, cls, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 200,
                              nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(hwnd);
  UpdateWindow(hwnd);
  const auto [window, frame, captionBottom] = MeasureFrame(hwnd);
  int y = (frame + captionBottom) / 2;
  auto pixels = CaptureWindow(hwnd, true);
  const int kButtonWidth = 36;  // SM_CXSIZE
  const LRESULT kCodes[] = {HTCLOSE, HTMAXBUTTON, HTMINBUTTON};
  int cellRight = window.right - window.left - frame;
  for (LRESULT code : kCodes) {
    int cellLeft = cellRight - kButtonWidth;
    EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0,
                           MAKELPARAM(window.left + cellLeft + kButtonWidth / 2, window.top + y)),
              code);
    EXPECT_EQ(pixels->At(cellLeft + 1, y), DibWordOf(GetSysColor(COLOR_ACTIVECAPTION))) << code;
    EXPECT_EQ(pixels->At(cellLeft + 2, y), DibWordOf(GetSysColor(COLOR_3DHILIGHT))) << code;
    EXPECT_EQ(pixels->At(cellRight - 3, y), DibWordOf(GetSysColor(COLOR_3DDKSHADOW))) << code;
    cellRight = cellLeft;
  }
  EXPECT_EQ(pixels->At(cellRight - 1, y), DibWordOf(GetSysColor(COLOR_ACTIVECAPTION)));
  DestroyWindow(hwnd);
}

}  // namespace
