// The bitmap button on the headless desktop, with the launcher's own
// pictures: its looks as the screen shows them, its mouse tracking, its
// caption and what it owns.
#include "controls/button_ex.h"

#include <filesystem>

#include "gfx/bitmap_resource.h"
#include "gfx/draw_bitmap.h"
#include "gfx/region_from_bitmap.h"
#include "platform/desktop/screen.h"
#include "res/resource_ids.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/mouse_window.h"
#include "tests/support/picture_reader.h"
#include "tests/support/platform_test.h"

const desktop::ResourceSet& AfxProgramResources();

namespace {

constexpr int kLauncherWidth = 1008;
constexpr int kLauncherHeight = 601;
constexpr COLORREF kDesktopColour = RGB(58, 110, 165);

// A stand-in for the launcher: a frameless window at the screen's origin
// that paints bitmap 133, as the launcher does.
class CBackgroundWnd : public CWnd {
 public:
  HBITMAP background = nullptr;
  ~CBackgroundWnd() override {
    if (background) ::DeleteObject(background);
  }
  void OnPaint() {
    CPaintDC dc(this);
    DrawBitmap(background, dc, 0, 0);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBackgroundWnd, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

// One row of the launcher's layout table.
struct LauncherButton {
  UINT id;
  RECT rect;
  DWORD style;
  WORD normal, hover, pressed, disabled;
};

const LauncherButton kClose{IDC_CLOSE_BUTTON, {947, 128, 980, 161}, 0x5000000B,
                            IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER,      IDB_CLOSE_PRESSED,
                            IDB_CLOSE_PRESSED};
const LauncherButton kMinimize{IDC_MINIMIZE_BUTTON, {919, 136, 952, 169}, 0x5000000B,
                               IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER,   IDB_MINIMIZE_PRESSED,
                               IDB_MINIMIZE_PRESSED};
const LauncherButton kLogo{
    IDC_LOGO_BUTTON, {503, 28, 796, 168}, 0x50000000, IDB_LOGO, IDB_LOGO, IDB_LOGO, IDB_LOGO};
const LauncherButton kLayout[] = {
    kClose,
    kMinimize,
    {IDC_OFFICIAL_BUTTON,
     {326, 132, 404, 155},
     0x5000000B,
     IDB_OFFICIAL_NORMAL,
     IDB_OFFICIAL_HOVER,
     IDB_OFFICIAL_NORMAL,
     IDB_OFFICIAL_NORMAL},
    {IDC_FORUM_BUTTON,
     {455, 132, 533, 155},
     0x5000000B,
     IDB_FORUM_NORMAL,
     IDB_FORUM_HOVER,
     IDB_FORUM_NORMAL,
     IDB_FORUM_NORMAL},
    {IDC_SERVICE_BUTTON,
     {704, 132, 782, 155},
     0x5000000B,
     IDB_SERVICE_NORMAL,
     IDB_SERVICE_HOVER,
     IDB_SERVICE_NORMAL,
     IDB_SERVICE_NORMAL},
    {IDC_PAY_BUTTON,
     {824, 132, 902, 155},
     0x5000000B,
     IDB_PAY_NORMAL,
     IDB_PAY_HOVER,
     IDB_PAY_NORMAL,
     IDB_PAY_NORMAL},
    kLogo,
};

// A pixel of the composed screen as a colour.
COLORREF ColourOf(desktop::Bitmap& screen, int x, int y) {
  std::uint32_t word = screen.At(x, y);
  return RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
}

class ButtonExTest : public PlatformTest {
 protected:
  const desktop::ResourceSet* Resources() override { return &AfxProgramResources(); }
  void SetUp() override {
    PlatformTest::SetUp();
    startObjects_ = LiveGdiObjects();
    RegisterTestClass("Launcher", DefWindowProcA);
    LoadBitmapResource(parent_.background, IDB_LAUNCHER_BACKGROUND);
    ASSERT_TRUE(parent_.CreateEx(0, "Launcher", "", WS_POPUP | WS_VISIBLE, 0, 0, kLauncherWidth,
                                 kLauncherHeight, nullptr, nullptr));
    background_ = std::make_unique<PictureReader>(IDB_LAUNCHER_BACKGROUND);
  }
  void TearDown() override {
    parent_.DestroyWindow();
    PlatformTest::TearDown();
  }

  // Creation and the shaped set-up, in the launcher's order.
  void Create(CButtonEx& button, const LauncherButton& b) {
    ASSERT_TRUE(button.Create("", b.style, b.rect, &parent_, b.id));
    LoadBitmapResource(button.NormalBitmap, b.normal);
    LoadBitmapResource(button.HoverBitmap, b.hover);
    LoadBitmapResource(button.PressedBitmap, b.pressed);
    LoadBitmapResource(button.DisabledBitmap, b.disabled);
    button.Shaped = 1;
    button.KeyColor = RegionKeyColor;
    button.ShapeRegion.Attach(CreateRegionFromBitmap(button.NormalBitmap));
    button.ModifyStyle(WS_BORDER, 0);
    Pump();
  }

  // How many of the button's pixels on the screen differ from `picture`'s
  // non-key pixels over the launcher's background.
  int Mismatches(const LauncherButton& b, WORD pictureId) const {
    PictureReader picture(pictureId);
    desktop::Bitmap screen = desktop::ComposeScreen();
    int wrong = 0;
    for (LONG y = b.rect.top; y < b.rect.bottom; ++y) {
      for (LONG x = b.rect.left; x < b.rect.right; ++x) {
        int px = x - b.rect.left, py = y - b.rect.top;
        bool onPicture =
            px < picture.width && py < picture.height && picture.At(px, py) != RegionKeyColor;
        COLORREF expected = onPicture ? picture.At(px, py) : background_->At(x, y);
        wrong += ColourOf(screen, x, y) != expected;
      }
    }
    return wrong;
  }
  static POINT Inside(const LauncherButton& b) { return POINT{b.rect.left + 12, b.rect.top + 12}; }

  CBackgroundWnd parent_;
  std::unique_ptr<PictureReader> background_;
  DWORD startObjects_ = 0;
};

TEST_F(ButtonExTest, TheMinimiseButtonPaintsOnlyItsPicturesNonKeyPixels) {
  CButtonEx button;
  Create(button, kMinimize);
  PictureReader picture(IDB_MINIMIZE_NORMAL);
  ASSERT_EQ(picture.width, 30);  // a 30 x 30 picture in a 33 x 33 button
  ASSERT_EQ(button.DrawState, 0);
  EXPECT_EQ(Mismatches(kMinimize, IDB_MINIMIZE_NORMAL), 0);
  // The strip beyond the picture shows the launcher's background.
  EXPECT_EQ(desktop::ScreenPixel(kMinimize.rect.left + 31, kMinimize.rect.top + 31),
            background_->At(kMinimize.rect.left + 31, kMinimize.rect.top + 31));
}

TEST_F(ButtonExTest, APictureButtonWithoutTheOwnerDrawStyleShowsItsDisabledLookAndIgnoresTheMouse) {
  // The close button's pictures, with the hover picture as the disabled
  // look, so that the disabled slot is the one seen.
  LauncherButton plain = kClose;
  plain.style = WS_CHILD | WS_VISIBLE;
  plain.disabled = IDB_CLOSE_HOVER;
  CButtonEx button;
  Create(button, plain);
  button.EnableWindow(FALSE);
  Pump();
  EXPECT_EQ(button.GetButtonStyle(), static_cast<UINT>(BS_OWNERDRAW));
  EXPECT_EQ(button.DrawState, 3);
  EXPECT_FALSE(button.Enabled);
  EXPECT_EQ(Mismatches(plain, IDB_CLOSE_HOVER), 0);

  user().MoveMouse(Inside(plain)).Wait(600).MoveMouse(POINT{10, 10}).Wait(100);
  RunUntilUserIsDone();
  EXPECT_FALSE(button.Tracking);
  EXPECT_EQ(button.DrawState, 3);
  EXPECT_EQ(Mismatches(plain, IDB_CLOSE_HOVER), 0);
}

TEST_F(ButtonExTest, TheLogoIsDisabledFromItsFirstDrawOn) {
  CButtonEx logo;
  ASSERT_TRUE(logo.Create("", kLogo.style, kLogo.rect, &parent_, kLogo.id));
  LoadBitmapResource(logo.DisabledBitmap, IDB_LOGO);
  logo.EnableWindow(FALSE);
  Pump();
  EXPECT_EQ(logo.DrawState, 3);
  user().MoveMouse(POINT{650, 100}).Wait(600).MoveMouse(POINT{10, 10});
  RunUntilUserIsDone();
  EXPECT_EQ(logo.DrawState, 3);
  EXPECT_FALSE(logo.Tracking);
}

TEST_F(ButtonExTest, HoverShowsAtTheFirstMoveAndLeavingReturnsToNormal) {
  CButtonEx button;
  Create(button, kClose);
  std::vector<int> seen;
  auto look = [&] { seen.push_back(button.DrawState * 10 + button.Tracking); };
  int hoverMismatches = -1, normalMismatches = -1, againMismatches = -1;
  user()
      .MoveMouse(Inside(kClose))
      .Do("entered",
          [&] {
            look();
            hoverMismatches = Mismatches(kClose, IDB_CLOSE_HOVER);
          })
      .MoveMouse(POINT{10, 10})
      .Do("left",
          [&] {
            look();
            normalMismatches = Mismatches(kClose, IDB_CLOSE_NORMAL);
          })
      .MoveMouse(Inside(kClose))
      .Do("again",
          [&] {
            look();
            againMismatches = Mismatches(kClose, IDB_CLOSE_HOVER);
          })
      .MoveMouse(POINT{10, 10});
  RunUntilUserIsDone();
  EXPECT_EQ(seen, (std::vector<int>{11, 0, 11}));
  EXPECT_EQ(hoverMismatches, 0);
  EXPECT_EQ(normalMismatches, 0);
  EXPECT_EQ(againMismatches, 0);
}

TEST_F(ButtonExTest, EnteringWithTheLeftButtonHeldKeepsTheLookUntilAHoverWithTheButtonUp) {
  CButtonEx button;
  Create(button, kClose);
  std::vector<int> seen;
  auto look = [&] { seen.push_back(button.DrawState * 10 + button.Tracking); };
  user()
      .MoveMouse(POINT{900, 300})  // on the launcher's picture
      .MouseDown()
      .MoveMouse(Inside(kClose))
      .Do("entered, held", look)
      .Wait(500)  // a hover falls due while the button is still held
      .Do("hover, held", look)
      .MouseUp()
      .Wait(500)  // renewed by that hover: the next one, with the button up
      .Do("hover, up", look)
      .MoveMouse(POINT{10, 10});
  RunUntilUserIsDone();
  EXPECT_EQ(seen, (std::vector<int>{1, 1, 11}));
}

TEST_F(ButtonExTest, TheCaptionIsDrawnInBlackAtItsOffsetsAndNeverInTheDisabledLook) {
  CButtonEx button;
  ASSERT_TRUE(button.Create("Ab", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), &parent_, 7));
  // White pictures in every slot; not shaped, so every pixel is copied.
  for (HBITMAP* slot :
       {&button.NormalBitmap, &button.HoverBitmap, &button.PressedBitmap, &button.DisabledBitmap}) {
    DWORD* bits = nullptr;
    *slot = CreateTestDib(80, 30, &bits);
    std::fill(bits, bits + 80 * 30, 0x00FFFFFF);
  }
  HDC target = CreateCompatibleDC(nullptr);
  DWORD* targetBits = nullptr;
  HBITMAP targetBitmap = CreateTestDib(80, 30, &targetBits);
  HGDIOBJ old = SelectObject(target, targetBitmap);

  // The box of the dark pixels drawn for a draw request's state bits.
  auto inkBox = [&](UINT itemState) {
    std::fill(targetBits, targetBits + 80 * 30, 0x00FF0000);
    DRAWITEMSTRUCT item{ODT_BUTTON,     7, 0, ODA_DRAWENTIRE, itemState, button.m_hWnd, target,
                        {0, 0, 80, 30}, 0};
    button.DrawItem(&item);
    RECT box{80, 30, 0, 0};
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 80; ++x) {
        DWORD word = targetBits[y * 80 + x];
        if ((word & 0xFF) + ((word >> 8) & 0xFF) + ((word >> 16) & 0xFF) < 3 * 128) {
          box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                     std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
        }
      }
    }
    return CRect(box);
  };

  CRect normal = inkBox(0);
  ASSERT_FALSE(normal.IsRectEmpty()) << "no caption drawn";
  EXPECT_GE(normal.left, 21);
  EXPECT_LE(normal.left, 23);  // the first glyph's side bearing
  EXPECT_EQ(button.DrawState, 0);
  EXPECT_EQ(inkBox(ODS_SELECTED), normal);  // selected without focus: the normal look
  CRect pressed = inkBox(ODS_SELECTED | ODS_FOCUS);
  EXPECT_EQ(button.DrawState, 2);
  EXPECT_EQ(pressed, CRect(normal.left + 1, normal.top + 1, normal.right + 1, normal.bottom + 1));
  EXPECT_TRUE(inkBox(ODS_DISABLED).IsRectEmpty());
  EXPECT_EQ(button.DrawState, 3);
  EXPECT_FALSE(button.Enabled);

  SelectObject(target, old);
  DeleteObject(targetBitmap);
  DeleteDC(target);
}

TEST_F(ButtonExTest, AnEmptyCaptionDrawsNoTextInAnyLook) {
  CButtonEx button;
  ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), &parent_, 7));
  HDC target = CreateCompatibleDC(nullptr);
  DWORD* bits = nullptr;
  HBITMAP bitmap = CreateTestDib(80, 30, &bits);
  HGDIOBJ old = SelectObject(target, bitmap);
  LoadBitmapResource(button.NormalBitmap, IDB_OFFICIAL_NORMAL);
  for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED | ODS_FOCUS)}) {
    // Each look has its picture; with no caption the surface is the picture alone.
    LoadBitmapResource(button.PressedBitmap, IDB_OFFICIAL_NORMAL);
    DRAWITEMSTRUCT item{ODT_BUTTON,     7, 0, ODA_DRAWENTIRE, state, button.m_hWnd, target,
                        {0, 0, 80, 30}, 0};
    button.DrawItem(&item);
    PictureReader picture(IDB_OFFICIAL_NORMAL);
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) wrong += GetPixel(target, x, y) != picture.At(x, y);
    }
    EXPECT_EQ(wrong, 0) << "state " << state;
  }
  SelectObject(target, old);
  DeleteObject(bitmap);
  DeleteDC(target);
}

TEST_F(ButtonExTest, PressedAndDisabledFromOneResourceAreTwoBitmapsAndAllGoWithTheButton) {
  int bitmapsBefore = desktop::LiveGdiObjects(desktop::GdiKind::Bitmap);
  {
    CButtonEx button;
    Create(button, kClose);
    EXPECT_NE(button.PressedBitmap, nullptr);
    EXPECT_NE(button.PressedBitmap, button.DisabledBitmap);
    EXPECT_EQ(desktop::LiveGdiObjects(desktop::GdiKind::Bitmap), bitmapsBefore + 4);
    EXPECT_EQ(desktop::LiveGdiObjects(desktop::GdiKind::Font), 1);
    EXPECT_EQ(desktop::LiveGdiObjects(desktop::GdiKind::Region), 1);
    button.DestroyWindow();
  }
  EXPECT_EQ(desktop::LiveGdiObjects(desktop::GdiKind::Bitmap), bitmapsBefore);
  EXPECT_EQ(desktop::LiveGdiObjects(desktop::GdiKind::Font), 0);
  EXPECT_EQ(desktop::LiveGdiObjects(desktop::GdiKind::Region), 0);
}

// The seven buttons as the launcher lays them out, on its picture; the
// screen is written as a PNG into the build tree for a look.
TEST_F(ButtonExTest, TheSevenLauncherButtonsShowTheirPicturesOnTheBackground) {
  DWORD before = LiveGdiObjects();
  {
    // See-through by the key, as the launcher is.
    parent_.ModifyStyleEx(0, WS_EX_LAYERED);
    SetLayeredWindowAttributes(parent_, RegionKeyColor, 0, LWA_COLORKEY);
    CButtonEx buttons[7];
    for (int i = 0; i < 7; ++i) Create(buttons[i], kLayout[i]);
    buttons[6].EnableWindow(FALSE);
    Pump();
    // The link buttons overlap the logo's rectangle, never its picture: the
    // screen is the background with every shown picture's non-key pixels.
    std::vector<COLORREF> expected(kLauncherWidth * kLauncherHeight);
    for (int y = 0; y < kLauncherHeight; ++y) {
      for (int x = 0; x < kLauncherWidth; ++x)
        expected[y * kLauncherWidth + x] = background_->At(x, y);
    }
    for (int i = 0; i < 7; ++i) {
      PictureReader picture(i == 6 ? kLayout[i].disabled : kLayout[i].normal);
      for (int py = 0; py < picture.height; ++py) {
        for (int px = 0; px < picture.width; ++px) {
          COLORREF c = picture.At(px, py);
          if (c == RegionKeyColor) continue;
          expected[(kLayout[i].rect.top + py) * kLauncherWidth + kLayout[i].rect.left + px] = c;
        }
      }
    }
    for (COLORREF& c : expected) {
      if (c == RegionKeyColor) c = kDesktopColour;
    }
    desktop::Bitmap screen = desktop::ComposeScreen();
    int wrong = 0;
    for (int y = 0; y < kLauncherHeight; ++y) {
      for (int x = 0; x < kLauncherWidth; ++x) {
        wrong += ColourOf(screen, x, y) != expected[y * kLauncherWidth + x];
      }
    }
    EXPECT_EQ(wrong, 0);
    std::filesystem::path png = std::filesystem::path(TESSAL_BUILD_DIR) / "launcher-buttons.png";
    EXPECT_TRUE(desktop::WriteScreenPng(png.string()));
    for (CButtonEx& button : buttons) button.DestroyWindow();
  }
  EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
