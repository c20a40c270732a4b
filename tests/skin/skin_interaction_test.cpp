// The skinned frame and the user: pressing and releasing caption buttons,
// moving by the title bar, hover looks and what they cost, the window menu
// from the icon, full-screen mode, hiding into the notification area.
#include "platform/desktop/notify_icons.h"
#include "platform/desktop/screen.h"
#include "tests/skin/skin_frame_test.h"

namespace {

using SkinInteractionTest = SkinFrameTest;

TEST_F(SkinInteractionTest, APressOnAButtonDoesNotMoveTheWindowAndTheReleaseFiresIt) {
  Open(100, 100, 1000, 600);
  RECT before = WindowRect();
  POINT settings = CentreOf(dialog().SettingsBtn->Rect);
  user()
      .MoveMouse(settings)
      .MouseDown()
      .MoveMouse(POINT{settings.x + 2, settings.y + 1})  // still on the button
      .MouseUp()
      .Wait(50);
  RunUser();
  EXPECT_EQ(Show(WindowRect()), Show(before));
  EXPECT_EQ(dialog().clicked, std::vector<int>{kSettingsButton});
  EXPECT_TRUE(dialog().SeenOf(WM_ENTERSIZEMOVE).empty());
}

TEST_F(SkinInteractionTest, APressBesideTheButtonsMovesTheWindowAndFiresNothing) {
  Open(100, 100, 1000, 600);
  RECT before = WindowRect();
  POINT grip = OnScreen(POINT{300, 12});
  user().MoveMouse(grip).MouseDown().MoveMouse(POINT{grip.x + 40, grip.y + 30}).MouseUp().Wait(50);
  RunUser();
  RECT after = WindowRect();
  EXPECT_EQ(after.left, before.left + 40);
  EXPECT_EQ(after.top, before.top + 30);
  EXPECT_EQ(dialog().SeenOf(WM_SYSCOMMAND), std::vector<WPARAM>{SC_MOVE | HTCAPTION});
  // The release the move loop swallowed comes back, posted by the frame.
  EXPECT_EQ(dialog().SeenOf(WM_NCLBUTTONUP), std::vector<WPARAM>{SC_MOVE | HTCAPTION});
  EXPECT_TRUE(dialog().clicked.empty());
}

TEST_F(SkinInteractionTest, AReleaseOverAButtonFiresItWhereverThePressWas) {
  Open(100, 100, 1000, 600);
  POINT service = CentreOf(dialog().ServiceBtn->Rect);
  // Pressed outside the window, released over a button.
  user().MoveMouse(POINT{1500, 900}).MouseDown().MoveMouse(service).MouseUp().Wait(50);
  RunUser();
  EXPECT_EQ(dialog().clicked, std::vector<int>{kServiceButton});
}

TEST_F(SkinInteractionTest, HoverDrawsOnlyWhenTheHotButtonChanges) {
  Open(100, 100, 1000, 600);
  HWND hwnd = dialog().m_hWnd;
  POINT close = CentreOf(dialog().CloseBtn->Rect);
  POINT maximise = CentreOf(dialog().MaximizeBtn->Rect);
  POINT bar = OnScreen(POINT{300, 12});
  struct Step {
    const char* what;
    POINT to;
    int hot;
    int blits;  // nine buttons are shown in the normal state
  } steps[] = {
      {"onto close", close, 1, 9 + 1},
      {"within close", POINT{close.x + 3, close.y + 2}, 1, 0},
      {"onto maximise", maximise, 2, 9 + 1},
      {"within maximise", POINT{maximise.x - 3, maximise.y}, 2, 0},
      {"off every button", bar, 0, 9},
      {"still off", POINT{bar.x + 50, bar.y}, 0, 0},
  };
  std::vector<int> blits, hot;
  int last = 0;
  for (const Step& step : steps) {
    user().MoveMouse(step.to).Do(step.what, [&] {
      int now = desktop::BlitsOntoWindow(hwnd);
      blits.push_back(now - last);
      last = now;
      hot.push_back(dialog().HotButton);
    });
  }
  user().Wait(10);
  last = desktop::BlitsOntoWindow(hwnd);
  RunUser();
  ASSERT_EQ(blits.size(), std::size(steps));
  for (std::size_t i = 0; i < blits.size(); ++i) {
    EXPECT_EQ(blits[i], steps[i].blits) << steps[i].what;
    EXPECT_LE(blits[i], 11) << steps[i].what;
    EXPECT_EQ(hot[i], steps[i].hot) << steps[i].what;
  }
}

TEST_F(SkinInteractionTest, TheHoverLookShowsAndAFramePaintKeepsTheHotButton) {
  Open(100, 100, 1000, 600);
  HWND hwnd = dialog().m_hWnd;
  const RECT& r = dialog().MinimizeBtn->Rect;
  POINT minimise = CentreOf(r);
  COLORREF hoverPixel = 0, paintedPixel = 0;
  int blitsAfterPaint = -1;
  user()
      .MoveMouse(minimise)
      .Do("look", [&] { hoverPixel = PixelAt(r.left + 2, r.top + 2); })
      .Do("paint the frame", [&] {
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
        paintedPixel = PixelAt(r.left + 2, r.top + 2);
        blitsAfterPaint = desktop::BlitsOntoWindow(hwnd);
      })
      .MoveMouse(POINT{minimise.x + 2, minimise.y})
      .Wait(10);
  RunUser();
  EXPECT_EQ(hoverPixel, GetPixel(dialog().MinimizeBtn->HoverDC.m_hDC, 2, 2));
  EXPECT_NE(hoverPixel, GetPixel(dialog().MinimizeBtn->NormalDC.m_hDC, 2, 2));
  // Painting draws every button normal but the frame still counts the
  // button as hot, so the next move within it draws nothing.
  EXPECT_EQ(paintedPixel, GetPixel(dialog().MinimizeBtn->NormalDC.m_hDC, 2, 2));
  EXPECT_EQ(dialog().HotButton, kMinimizeButton);
  EXPECT_EQ(desktop::BlitsOntoWindow(hwnd), blitsAfterPaint);
}

TEST_F(SkinInteractionTest, TheIconOpensTheWindowMenuWhoseCloseBecomesASystemCommand) {
  Open(100, 100, 1000, 600);
  POINT icon = CentreOf(dialog().IconRect);
  user().MoveMouse(icon).MouseDown().MouseUp().ChooseMenuItem(SC_CLOSE).Wait(50);
  RunUser();
  ASSERT_FALSE(session().menus().empty());
  const desktop::MenuRecord& menu = session().menus().back();
  EXPECT_TRUE(menu.windowMenu);
  EXPECT_EQ(menu.position.x, icon.x);
  EXPECT_EQ(menu.position.y, icon.y);
  EXPECT_EQ(menu.chosen, static_cast<UINT>(SC_CLOSE));
  std::vector<WPARAM> commands = dialog().SeenOf(WM_COMMAND);
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(commands[0], static_cast<WPARAM>(SC_CLOSE));
  std::vector<WPARAM> system = dialog().SeenOf(WM_SYSCOMMAND);
  EXPECT_NE(std::find(system.begin(), system.end(), static_cast<WPARAM>(SC_CLOSE)), system.end());
  EXPECT_FALSE(dialog().SeenOf(WM_CLOSE).empty());
}

TEST_F(SkinInteractionTest, CaptionButtonsMaximiseRestoreAndMinimise) {
  Open(100, 100, 1000, 600);
  dialog().OnCaptionButton(kMaximizeButton);
  EXPECT_TRUE(IsZoomed(dialog().m_hWnd));
  EXPECT_EQ(Show(dialog().MaximizeBtn->Rect), Show(RECT{0, 0, 0, 0}));
  dialog().OnCaptionButton(kRestoreButton);
  EXPECT_FALSE(IsZoomed(dialog().m_hWnd));
  EXPECT_EQ(Show(WindowRect()), Show(RECT{100, 100, 1100, 700}));
  dialog().seen.clear();
  dialog().OnCaptionButton(kMinimizeButton);
  EXPECT_TRUE(IsIconic(dialog().m_hWnd));
  EXPECT_EQ(dialog().SeenOf(WM_SYSCOMMAND), std::vector<WPARAM>{SC_MINIMIZE});
  dialog().OnCaptionButton(kCloseButton);
  EXPECT_EQ(dialog().SeenOf(WM_SYSCOMMAND), (std::vector<WPARAM>{SC_MINIMIZE, SC_CLOSE}));
  dialog().OnCaptionButton(kSettingsButton);  // nothing in the frame itself
}

TEST_F(SkinInteractionTest, SystemCommandsChosenAsCommandsArePassedOn) {
  Open(100, 100, 1000, 600);
  SendMessageA(dialog().m_hWnd, WM_COMMAND, SC_MAXIMIZE, 0);
  EXPECT_TRUE(IsZoomed(dialog().m_hWnd));
  // Only the exact command ids: one with low bits set is a plain command.
  dialog().seen.clear();
  SendMessageA(dialog().m_hWnd, WM_COMMAND, SC_RESTORE | 2, 0);
  SendMessageA(dialog().m_hWnd, WM_COMMAND, 40001, 0);
  EXPECT_TRUE(dialog().SeenOf(WM_SYSCOMMAND).empty());
  EXPECT_TRUE(IsZoomed(dialog().m_hWnd));
}

TEST_F(SkinInteractionTest, FullScreenFromANormalWindowCoversTheScreenAndLeavingMaximises) {
  Open(100, 100, 1012, 628);
  ASSERT_EQ(GetSystemMetrics(SM_CYCAPTION), 23);
  dialog().ToggleFullScreen();
  EXPECT_TRUE(dialog().FullScreenMode);
  EXPECT_EQ(Show(WindowRect()), Show(RECT{-6, -23, 1926, 1085}));
  EXPECT_EQ(Show(ClientOnScreen()), Show(RECT{0, 0, 1920, 1079}));
  EXPECT_EQ(Show(dialog().SavedPlacement.rcNormalPosition), Show(RECT{100, 100, 1112, 728}));
  EXPECT_EQ(dialog().SavedPlacement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
  // Every caption button lies above the screen.
  for (const auto& button : dialog().Buttons) {
    if (button->Rect.bottom > button->Rect.top) {
      EXPECT_LE(WindowRect().top + button->Rect.bottom, 0);
    }
  }

  dialog().ToggleFullScreen();
  EXPECT_FALSE(dialog().FullScreenMode);
  EXPECT_TRUE(IsZoomed(dialog().m_hWnd));
  EXPECT_EQ(Show(WindowRect()), Show(RECT{-8, -8, 1928, 1088}));
  // Restoring goes back to the window as it was before full screen.
  dialog().ShowWindow(SW_RESTORE);
  EXPECT_EQ(Show(WindowRect()), Show(RECT{100, 100, 1112, 728}));
}

TEST_F(SkinInteractionTest, FullScreenFromMaximisedOnAShorterWorkArea) {
  session().SetScreen(1920, 1080, RECT{0, 0, 1920, 1040});
  Open(100, 100, 1000, 600);
  dialog().ShowWindow(SW_MAXIMIZE);
  ASSERT_EQ(Show(WindowRect()), Show(RECT{-8, -8, 1928, 1048}));
  ASSERT_EQ(Show(ClientOnScreen()), Show(RECT{0, 23, 1920, 1040}));
  dialog().ToggleFullScreen();
  EXPECT_FALSE(IsZoomed(dialog().m_hWnd));
  EXPECT_EQ(Show(WindowRect()), Show(RECT{-8, -31, 1928, 1088}));
  EXPECT_EQ(Show(ClientOnScreen()), Show(RECT{0, 0, 1920, 1080}));
  dialog().ToggleFullScreen();
  EXPECT_TRUE(IsZoomed(dialog().m_hWnd));
  EXPECT_EQ(Show(WindowRect()), Show(RECT{-8, -8, 1928, 1048}));
}

TEST_F(SkinInteractionTest, TheTrayButtonHidesIntoTheNotificationAreaWithTheTextCutAt127Bytes) {
  Open(100, 100, 1000, 600);
  dialog().SetWindowText(std::string(200, 'Q').c_str());
  dialog().OnCaptionButton(kTrayButton);
  EXPECT_FALSE(IsWindowVisible(dialog().m_hWnd));
  ASSERT_EQ(session().notifyIcons().size(), 1u);
  const desktop::NotifyIcon& icon = session().notifyIcons()[0];
  EXPECT_EQ(icon.hwnd, dialog().m_hWnd);
  EXPECT_EQ(icon.id, kTrayIconId);
  EXPECT_EQ(icon.callbackMessage, UM_TRAY_NOTIFY);
  EXPECT_EQ(icon.tip, std::string(127, 'Q'));
  EXPECT_EQ(icon.icon, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kFrameIconResource)));

  // The left button's release on the icon brings the window back.
  ASSERT_TRUE(desktop::ClickNotifyIcon(dialog().m_hWnd, kTrayIconId, desktop::IconClick::kLeft));
  EXPECT_TRUE(IsWindowVisible(dialog().m_hWnd));

  // Hiding again: the second add is refused, the window hides all the same
  // and the icon there still brings it back.
  dialog().OnCaptionButton(kTrayButton);
  EXPECT_FALSE(IsWindowVisible(dialog().m_hWnd));
  EXPECT_EQ(session().notifyIcons().size(), 1u);
  ASSERT_TRUE(desktop::ClickNotifyIcon(dialog().m_hWnd, kTrayIconId, desktop::IconClick::kLeft));
  EXPECT_TRUE(IsWindowVisible(dialog().m_hWnd));

  // The frame takes its icon away as its window goes, rather than leaving
  // it behind with nobody to answer it.
  std::size_t iconsAfterOwnDestroy = 99;
  dialog().afterOwnDestroy = [&] { iconsAfterOwnDestroy = session().notifyIcons().size(); };
  dialog().DestroyWindow();
  EXPECT_EQ(iconsAfterOwnDestroy, 0u);
}

TEST_F(SkinInteractionTest, TrayNotificationsAnswerByIconAndMouseMessage) {
  Open(100, 100, 1000, 600);
  HWND hwnd = dialog().m_hWnd;
  ShowWindow(hwnd, SW_HIDE);
  struct Case {
    WPARAM icon;
    LPARAM mouse;
    LRESULT answer;
    bool shown;
  } cases[] = {
      {kTrayIconId, WM_RBUTTONUP, 0, false},
      {kTrayIconId, WM_LBUTTONDOWN, 0, false},
      {kTrayIconId, WM_LBUTTONDBLCLK, 0, false},
      {5, WM_LBUTTONUP, 1, false},
      {kTrayIconId, WM_LBUTTONUP, 0, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SendMessageA(hwnd, UM_TRAY_NOTIFY, c.icon, c.mouse), c.answer) << c.icon << " " << c.mouse;
    EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, c.shown) << c.icon << " " << c.mouse;
  }
}

TEST_F(SkinInteractionTest, ARecreatedWindowMakesItsButtonsAgain) {
  Open(100, 100, 1000, 600);
  dialog().DestroyWindow();
  EXPECT_TRUE(dialog().Buttons.empty());
  EXPECT_EQ(dialog().CloseBtn, nullptr);
  Open(200, 200, 800, 500);
  EXPECT_EQ(dialog().Buttons.size(), 10u);
  EXPECT_EQ(Show(dialog().CloseBtn->Rect), Show(RECT{777, 3, 795, 21}));
}

}  // namespace
