// The launcher as the screen shows it after start-up: its shape from the
// key colour, the buttons' pictures on the background, the login page in
// its place, painted with one transfer; the picture is written as
// launcher.png into the build tree.
#include <filesystem>

#include "gfx/region_from_bitmap.h"
#include "platform/desktop/screen.h"
#include "res/resource_ids.h"
#include "tests/launcher/launcher_test.h"

namespace {

constexpr COLORREF kDesktopColour = RGB(58, 110, 165);

using launcher_layout::WindowHeight;
using launcher_layout::WindowWidth;

bool Inside(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// What the screen must show at each launcher pixel outside the browser:
// the background's non-key pixels, each button's picture over it (the logo
// in its disabled look), the desktop through the key.
std::vector<COLORREF> ExpectedPicture() {
  PictureReader background(IDB_LAUNCHER_BACKGROUND);
  std::vector<COLORREF> expected(WindowWidth * WindowHeight);
  for (int y = 0; y < WindowHeight; ++y) {
    for (int x = 0; x < WindowWidth; ++x) expected[y * WindowWidth + x] = background.At(x, y);
  }
  for (const launcher_layout::ButtonLayout& b : launcher_layout::Buttons) {
    PictureReader picture(b.id == IDC_LOGO_BUTTON ? b.disabled : b.normal);
    for (int py = 0; py < picture.height; ++py) {
      for (int px = 0; px < picture.width; ++px) {
        COLORREF c = picture.At(px, py);
        if (c != RegionKeyColor) expected[(b.rect.top + py) * WindowWidth + b.rect.left + px] = c;
      }
    }
  }
  for (COLORREF& c : expected) {
    if (c == RegionKeyColor) c = kDesktopColour;
  }
  return expected;
}

class LauncherScreenTest : public LauncherTest {};

TEST_F(LauncherScreenTest, AfterStartUpTheScreenShowsThePictureWithItsHolesButtonsAndLoginPage) {
  RECT window{}, browser{};
  DWORD exStyle = 0;
  COLORREF key = 0;
  DWORD layeredFlags = 0;
  int wrongPixels = -1;
  COLORREF keyPixel = 0, minimiseStrip = 0, stripOnPicture = 0;
  std::string shownPage;
  bool png = false;
  user().Wait(1500).Do("look", [&] {
    HWND hwnd = LauncherWindow();
    GetWindowRect(hwnd, &window);
    exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    GetLayeredWindowAttributes(hwnd, &key, nullptr, &layeredFlags);
    GetWindowRect(Launcher().Browser.m_hWnd, &browser);
    shownPage = BrowserEngine().document() ? BrowserEngine().document()->Address() : "";

    std::filesystem::path out = std::filesystem::path(TESSAL_LAUNCHER_OUTPUT) / "launcher.png";
    png = desktop::WriteScreenPng(out.string());

    std::vector<COLORREF> expected = ExpectedPicture();
    RECT browserInClient = launcher_layout::BrowserRect;
    desktop::Bitmap screen = desktop::ComposeScreen();
    wrongPixels = 0;
    for (int y = 0; y < WindowHeight; ++y) {
      for (int x = 0; x < WindowWidth; ++x) {
        if (Inside(browserInClient, x, y)) continue;
        std::uint32_t word = screen.At(window.left + x, window.top + y);
        COLORREF shown = RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
        wrongPixels += shown != expected[y * WindowWidth + x];
      }
    }
    // The top-left corner of the picture is a hole.
    keyPixel = desktop::ScreenPixel(window.left, window.top);
    // Beside the minimise button's 30 x 30 picture, inside its 33 x 33 rectangle.
    const RECT& minimise = LayoutOf(IDC_MINIMIZE_BUTTON).rect;
    minimiseStrip = desktop::ScreenPixel(window.left + minimise.left + 31,
                                         window.top + minimise.top + 10);
    PictureReader background(IDB_LAUNCHER_BACKGROUND);
    stripOnPicture = background.At(minimise.left + 31, minimise.top + 10);
    if (stripOnPicture == RegionKeyColor) stripOnPicture = kDesktopColour;
  });
  user().PressWithAlt(VK_F4);
  RunProgram();

  // Sized by the launcher, centred by the framework on the work area.
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(window.right - window.left, WindowWidth);
  EXPECT_EQ(window.bottom - window.top, WindowHeight);
  EXPECT_EQ(window.left, work.left + (work.right - work.left - WindowWidth) / 2);
  EXPECT_NEAR(window.top, work.top + (work.bottom - work.top - WindowHeight) / 2, 1);
  EXPECT_TRUE(exStyle & WS_EX_LAYERED);
  EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
  EXPECT_EQ(key, RegionKeyColor);
  EXPECT_EQ(layeredFlags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_EQ(browser.left - window.left, 271);
  EXPECT_EQ(browser.top - window.top, 166);
  EXPECT_EQ(browser.right - window.left, 953);
  EXPECT_EQ(browser.bottom - window.top, 583);
  EXPECT_EQ(shownPage, kLoginPage);
  EXPECT_TRUE(png);
  EXPECT_EQ(wrongPixels, 0);
  EXPECT_EQ(keyPixel, kDesktopColour);
  EXPECT_EQ(minimiseStrip, stripOnPicture);
}

TEST_F(LauncherScreenTest, APaintComposesOffScreenAndCopiesWithOneTransfer) {
  int blits = -1;
  BITMAP buffer{};
  HBITMAP firstBuffer = nullptr, secondBuffer = nullptr;
  user().Wait(100).Do("repaint", [&] {
    CTessalDlg& launcher = Launcher();
    firstBuffer = launcher.PaintBuffer;
    int before = desktop::BlitsOntoWindow(launcher.m_hWnd);
    RedrawWindow(launcher.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    blits = desktop::BlitsOntoWindow(launcher.m_hWnd) - before;
    secondBuffer = launcher.PaintBuffer;
    GetObjectA(secondBuffer, sizeof buffer, &buffer);
  });
  user().PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_EQ(blits, 1);
  EXPECT_NE(firstBuffer, nullptr);
  EXPECT_EQ(buffer.bmWidth, WindowWidth);
  EXPECT_EQ(buffer.bmHeight, WindowHeight);
  EXPECT_GE(buffer.bmBitsPixel, 24);  // made from the paint DC, not a memory DC
}

TEST_F(LauncherScreenTest, TheIconsAreTheProgramsAndTheLogoNeverReacts) {
  HICON big = nullptr, small = nullptr, dragged = nullptr, own = nullptr;
  int logoLook = -1;
  bool logoTracking = true, logoEnabled = true;
  RECT before{}, after{};
  POINT onLogo = OnButtonPicture(IDC_LOGO_BUTTON);
  user()
      .Wait(100)
      .Do("before", [&] { GetWindowRect(LauncherWindow(), &before); })
      .MoveMouse(onLogo)
      .Wait(600)  // long enough for a hover
      .MouseDown()
      .MoveMouse(POINT{onLogo.x + 30, onLogo.y + 20})
      .MouseUp()
      .Do("look", [&] {
        HWND hwnd = LauncherWindow();
        own = Launcher().Icon;
        big = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
        small = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
        dragged = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0));
        logoLook = Launcher().LogoButton.DrawState;
        logoTracking = Launcher().LogoButton.Tracking;
        logoEnabled = Launcher().LogoButton.IsWindowEnabled();
        GetWindowRect(hwnd, &after);
      })
      .PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_NE(own, nullptr);
  EXPECT_EQ(big, own);
  EXPECT_EQ(small, own);
  EXPECT_EQ(dragged, own);
  EXPECT_EQ(logoLook, 3);  // the disabled look: bitmap 181
  EXPECT_FALSE(logoTracking);
  EXPECT_FALSE(logoEnabled);
  EXPECT_EQ(after.left, before.left);  // a press on the logo drags nothing
  EXPECT_EQ(after.top, before.top);
}

}  // namespace
