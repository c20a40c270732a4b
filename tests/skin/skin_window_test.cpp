// The skinned frame on a real window: its client area and caption buttons
// in the normal, maximised and full-screen states, its painting, its hit
// tests, and pictures of it for a look.
#include "app/process_state.h"
#include "platform/desktop/screen.h"
#include "tests/skin/skin_frame_test.h"

#ifndef TESSAL_SKIN_PICTURES
#define TESSAL_SKIN_PICTURES "."
#endif

namespace {

constexpr COLORREF Grey(int v) { return RGB(v, v, v); }

using SkinWindowTest = SkinFrameTest;

TEST_F(SkinWindowTest, ANormalWindowHasItsClientInsideTheSkinBordersAndItsButtonsAtRowThree) {
  Open(100, 100, 1000, 600);
  EXPECT_EQ(Show(ClientOnScreen()), Show(RECT{106, 123, 1094, 695}));
  EXPECT_EQ(Show(dialog().CloseBtn->Rect), Show(RECT{977, 3, 995, 21}));
  EXPECT_EQ(Show(dialog().MaximizeBtn->Rect), Show(RECT{957, 3, 975, 21}));
  EXPECT_EQ(Show(dialog().RestoreBtn->Rect), Show(RECT{0, 0, 0, 0}));
  EXPECT_EQ(Show(dialog().PayBtn->Rect), Show(RECT{717, 3, 755, 21}));
  EXPECT_EQ(Show(dialog().IconRect), Show(RECT{5, 3, 21, 19}));
  // Buttons in id order, one of each.
  ASSERT_EQ(dialog().Buttons.size(), 10u);
  for (std::size_t i = 0; i < dialog().Buttons.size(); ++i) {
    EXPECT_EQ(dialog().Buttons[i]->Id, static_cast<int>(i) + 1);
  }
}

TEST_F(SkinWindowTest, MaximisedTheClientFillsTheScreenBelowTheTitleBand) {
  Open(100, 100, 1000, 600);
  dialog().ShowWindow(SW_MAXIMIZE);
  Pump();
  EXPECT_EQ(Show(WindowRect()), Show(RECT{-8, -8, 1928, 1088}));
  EXPECT_EQ(Show(ClientOnScreen()), Show(RECT{0, 23, 1920, 1080}));
  EXPECT_EQ(Show(dialog().CloseBtn->Rect), Show(RECT{1905, 9, 1923, 27}));
  EXPECT_EQ(Show(dialog().RestoreBtn->Rect), Show(RECT{1885, 9, 1903, 27}));
  EXPECT_EQ(Show(dialog().MaximizeBtn->Rect), Show(RECT{0, 0, 0, 0}));
  EXPECT_EQ(Show(dialog().IconRect), Show(RECT{13, 9, 29, 25}));
}

TEST_F(SkinWindowTest, ThePiecesLandWhereTheFrameSaysAndTheButtonsShowTheirNormalLook) {
  Open(100, 100, 1000, 600);
  SendMessageA(dialog().m_hWnd, WM_NCPAINT, 1, 0);
  struct Case {
    const char* where;
    int x, y;
    COLORREF colour;
  } cases[] = {
      {"title bar", 500, 12, Grey(22)},
      {"left border, outer columns", 1, 300, Grey(21)},
      {"left border, inner columns", 4, 300, Grey(0)},
      {"right border, outer columns", 998, 300, Grey(21)},
      {"bottom border, last rows", 500, 598, Grey(21)},
      {"bottom border, first rows", 500, 595, Grey(0)},
      {"bottom-left corner", 1, 596, Grey(21)},
  };
  for (const Case& c : cases) EXPECT_EQ(PixelAt(c.x, c.y), c.colour) << c.where;
  for (const auto& button : dialog().Buttons) {
    const RECT& r = button->Rect;
    if (r.right <= r.left) continue;
    EXPECT_EQ(PixelAt(r.left + 9, r.top + 9), GetPixel(button->NormalDC.m_hDC, 9, 9))
        << "button " << button->Id;
  }
}

// The icon in its 16 x 16 square, and the title in white beside it: the
// window's text, a space and the server's name, longer with a name.
TEST_F(SkinWindowTest, TheIconAndTheTitleWithTheServersNameAreDrawnInTheTitleBar) {
  auto whiteTitlePixels = [&] {
    int count = 0;
    const RECT& icon = dialog().IconRect;
    for (int y = icon.top; y < icon.top + 16; ++y) {
      for (int x = icon.left + 20; x < 700; ++x) count += PixelAt(x, y) == RGB(255, 255, 255);
    }
    return count;
  };
  const CString savedName = ServerName;
  ServerName = "";
  Open(100, 100, 1000, 600);
  SendMessageA(dialog().m_hWnd, WM_NCPAINT, 1, 0);
  const RECT icon = dialog().IconRect;
  int iconInk = 0;
  for (int y = icon.top; y < icon.bottom; ++y) {
    for (int x = icon.left; x < icon.right; ++x) iconInk += PixelAt(x, y) != Grey(22);
  }
  EXPECT_GT(iconInk, 64) << "the icon covers much of its square";
  int withoutName = whiteTitlePixels();
  EXPECT_GT(withoutName, 0) << "the window's text is drawn";

  ServerName = "一区";
  SendMessageA(dialog().m_hWnd, WM_NCPAINT, 1, 0);
  EXPECT_GT(whiteTitlePixels(), withoutName) << "the server's name follows the text";
  ServerName = savedName;
}

TEST_F(SkinWindowTest, TheTitleBandOfTheClientDragsAndTheSystemsButtonsNeverReact) {
  Open(100, 100, 1000, 600);
  RECT client = ClientOnScreen();
  RECT window = WindowRect();
  auto hit = [&](LONG x, LONG y) {
    return SendMessageA(dialog().m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(x, y));
  };
  struct Case {
    const char* where;
    LONG x, y;
    LRESULT code;
  } cases[] = {
      {"client row 10", client.left + 300, client.top + 10, HTCAPTION},
      {"client row 0, far right", client.right - 1, client.top, HTCAPTION},
      {"client row 27", client.left + 300, client.top + 27, HTCAPTION},
      {"client row 28", client.left + 300, client.top + 28, HTCLIENT},
      {"title bar over the system's close button", window.right - 12, window.top + 15, HTCAPTION},
      {"title bar over the system's icon", window.left + 12, window.top + 15, HTCAPTION},
      {"left edge", window.left + 2, window.top + 300, HTLEFT},
      {"bottom-right corner", window.right - 1, window.bottom - 1, HTBOTTOMRIGHT},
  };
  for (const Case& c : cases) EXPECT_EQ(hit(c.x, c.y), c.code) << c.where;
}

TEST_F(SkinWindowTest, TheFrameAnswersThemedRedrawsAndActivationItself) {
  Open(100, 100, 1000, 600);
  EXPECT_EQ(SendMessageA(dialog().m_hWnd, 0x00AE, 0, 0), 1);
  EXPECT_EQ(SendMessageA(dialog().m_hWnd, 0x00AF, 0, 0), 1);
  int before = desktop::BlitsOntoWindow(dialog().m_hWnd);
  EXPECT_TRUE(SendMessageA(dialog().m_hWnd, WM_NCACTIVATE, FALSE, 0));
  int inactive = desktop::BlitsOntoWindow(dialog().m_hWnd) - before;
  EXPECT_TRUE(SendMessageA(dialog().m_hWnd, WM_NCACTIVATE, TRUE, 0));
  int active = desktop::BlitsOntoWindow(dialog().m_hWnd) - before - inactive;
  EXPECT_EQ(inactive, active);
  EXPECT_GE(active, 8 + 9);  // the pieces and the nine buttons shown
  // The dialog's own background is black.
  HBRUSH brush = reinterpret_cast<HBRUSH>(
      SendMessageA(dialog().m_hWnd, WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(dialog().m_hWnd)));
  EXPECT_EQ(brush, GetStockObject(BLACK_BRUSH));
}

TEST_F(SkinWindowTest, PicturesOfTheNormalMaximisedAndFullScreenStates) {
  Open(100, 100, 1000, 600);
  std::string folder = TESSAL_SKIN_PICTURES;
  UpdateWindow(dialog().m_hWnd);
  EXPECT_TRUE(desktop::WriteWindowPng(dialog().m_hWnd, folder + "/skin-normal.png"));
  dialog().ShowWindow(SW_MAXIMIZE);
  Pump();
  UpdateWindow(dialog().m_hWnd);
  // What the screen shows: the overhang lies outside it.
  EXPECT_TRUE(desktop::WriteScreenPng(folder + "/skin-maximised.png"));
  dialog().ShowWindow(SW_RESTORE);
  dialog().ToggleFullScreen();
  Pump();
  UpdateWindow(dialog().m_hWnd);
  EXPECT_TRUE(desktop::WriteScreenPng(folder + "/skin-full-screen.png"));
}

}  // namespace
