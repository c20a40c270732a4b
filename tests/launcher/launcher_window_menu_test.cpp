// The launcher's window menu: the About item from string 101 (or none
// without it), the About box it opens, and the system commands that keep
// their default course.
#include <filesystem>

#include "platform/desktop/resource_model.h"
#include "platform/desktop/screen.h"
#include "platform/desktop/session.h"
#include "res/resource_ids.h"
#include "tests/launcher/launcher_test.h"
#include "tests/support/window_pixels.h"

namespace {

constexpr char kAboutItem[] = "关于 Tessal(&A)...";
constexpr char kAboutCaption[] = "关于 Tessal";

const desktop::MenuRecord* LastWindowMenu(desktop::Session& session) {
  const auto& menus = session.menus();
  for (auto it = menus.rbegin(); it != menus.rend(); ++it) {
    if (it->windowMenu) return &*it;
  }
  return nullptr;
}

// Whether the About box is up: the active window, visible, with its caption
// and owned by the launcher, which it disables while it runs.
bool AboutBoxIsUp() {
  HWND active = GetActiveWindow();
  char caption[64] = {};
  GetWindowTextA(active, caption, sizeof caption);
  return active && active != LauncherTest::LauncherWindow() && IsWindowVisible(active) &&
         std::string(caption) == kAboutCaption &&
         !IsWindowEnabled(LauncherTest::LauncherWindow());
}

class LauncherWindowMenuTest : public LauncherTest {};

TEST_F(LauncherWindowMenuTest, TheWindowMenuEndsWithASeparatorAndTheAboutItem) {
  user().Wait(100).PressWithAlt(VK_SPACE).DismissMenu().Wait(100).PressWithAlt(VK_F4);
  RunProgram();
  const desktop::MenuRecord* menu = LastWindowMenu(session());
  ASSERT_NE(menu, nullptr);
  ASSERT_GE(menu->items.size(), 3u);
  const desktop::SeenMenuItem& separator = menu->items[menu->items.size() - 2];
  const desktop::SeenMenuItem& about = menu->items.back();
  EXPECT_TRUE(separator.separator);
  EXPECT_EQ(about.id, CTessalDlg::AboutCommand);
  EXPECT_EQ(about.text, kAboutItem);
  EXPECT_FALSE(about.grayed);
  EXPECT_EQ(menu->items[menu->items.size() - 3].id, static_cast<UINT>(SC_CLOSE));
}

TEST_F(LauncherWindowMenuTest, TheAboutItemAndAnyCommandMaskedToItOpenTheAboutBox) {
  bool upFromMenu = false, upFromMaskedCommand = false, closedAgain = false, launcherOpen = false;
  user()
      .Wait(100)
      .PressWithAlt(VK_SPACE)
      .ChooseMenuItem(CTessalDlg::AboutCommand)
      .Wait(100)
      .Do("from the menu", [&] { upFromMenu = AboutBoxIsUp(); })
      .Press(VK_RETURN)  // its OK button
      .Wait(100)
      .Do("masked", [&] {
        closedAgain = GetActiveWindow() == LauncherWindow() && IsWindowEnabled(LauncherWindow());
        PostMessageA(LauncherWindow(), WM_SYSCOMMAND, CTessalDlg::AboutCommand | 0x3, 0);
      })
      .Wait(100)
      .Do("from the command", [&] { upFromMaskedCommand = AboutBoxIsUp(); })
      .Press(VK_ESCAPE)
      .Wait(100)
      .Do("launcher", [&] {
        launcherOpen = IsWindowVisible(LauncherWindow()) && Launcher().ContinueModal() &&
                       GetActiveWindow() == LauncherWindow() && IsWindowEnabled(LauncherWindow());
      })
      .PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_TRUE(upFromMenu);
  EXPECT_TRUE(closedAgain);
  EXPECT_TRUE(upFromMaskedCommand);
  EXPECT_TRUE(launcherOpen);
}

// What the About box's children show: for each, how many of its pixels are
// in the text colour and how many differ from the face colour.
struct ChildLook {
  int inked = 0;
  int drawn = 0;
};

std::vector<ChildLook> LookOfChildren(HWND box) {
  auto pixels = CaptureWindow(box, false);
  std::vector<ChildLook> looks;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r = ChildRectInParent(child);
    ChildLook look;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        DWORD word = pixels->At(x, y);
        look.inked += word == DibWordOf(GetSysColor(COLOR_WINDOWTEXT)) ? 1 : 0;
        look.drawn += word != DibWordOf(GetSysColor(COLOR_3DFACE)) ? 1 : 0;
      }
    }
    looks.push_back(look);
  }
  return looks;
}

TEST_F(LauncherWindowMenuTest, TheAboutBoxShowsItsIconTextsAndOkButton) {
  std::vector<ChildLook> looks;
  bool png = false;
  user()
      .Wait(100)
      .PressWithAlt(VK_SPACE)
      .ChooseMenuItem(CTessalDlg::AboutCommand)
      .Wait(100)
      .Do("look", [&] {
        HWND box = GetActiveWindow();
        looks = LookOfChildren(box);
        std::filesystem::path out = std::filesystem::path(TESSAL_LAUNCHER_OUTPUT) / "about.png";
        png = desktop::WriteWindowPng(box, out.string());
      })
      .Press(VK_RETURN)
      .Wait(100)
      .PressWithAlt(VK_F4);
  RunProgram();
  ASSERT_EQ(looks.size(), 4u);  // the icon, two texts, OK
  EXPECT_GT(looks[0].drawn, 100) << "the icon";
  EXPECT_GT(looks[1].inked, 10) << "the version";
  EXPECT_GT(looks[2].inked, 10) << "the copyright";
  EXPECT_GT(looks[3].inked, 10) << "the OK button: its frame and text";
  EXPECT_TRUE(png);
}

TEST_F(LauncherWindowMenuTest, OtherSystemCommandsTakeTheirDefaultCourse) {
  bool minimised = false, restored = false;
  user()
      .Wait(100)
      .Do("minimise", [] { PostMessageA(LauncherWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0); })
      .Wait(100)
      .Do("restore", [&] {
        minimised = IsIconic(LauncherWindow());
        PostMessageA(LauncherWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
      })
      .Wait(100)
      .Do("restored", [&] { restored = !IsIconic(LauncherWindow()); })
      .PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_TRUE(minimised);
  EXPECT_TRUE(restored);
}

// The program's resources with string 101 missing or empty.
struct WithoutAboutString {
  const char* name;
  bool present;  // present but empty
};

class LauncherWithoutAboutStringTest : public LauncherTest,
                                       public ::testing::WithParamInterface<WithoutAboutString> {
 protected:
  const desktop::ResourceSet* Resources() override {
    resources_ = AfxProgramResources();
    auto& strings = resources_.strings;
    std::erase_if(strings, [](const desktop::StringResource& s) { return s.id == IDS_ABOUTBOX; });
    if (GetParam().present) strings.push_back(desktop::StringResource{IDS_ABOUTBOX, ""});
    return &resources_;
  }
  desktop::ResourceSet resources_;
};

TEST_P(LauncherWithoutAboutStringTest, TheWindowMenuHasNeitherSeparatorNorAboutItem) {
  user().Wait(100).PressWithAlt(VK_SPACE).DismissMenu().Wait(100).PressWithAlt(VK_F4);
  RunProgram();
  const desktop::MenuRecord* menu = LastWindowMenu(session());
  ASSERT_NE(menu, nullptr);
  ASSERT_FALSE(menu->items.empty());
  EXPECT_EQ(menu->items.back().id, static_cast<UINT>(SC_CLOSE));
  for (const desktop::SeenMenuItem& item : menu->items) {
    EXPECT_NE(item.id, CTessalDlg::AboutCommand);
  }
}

INSTANTIATE_TEST_SUITE_P(Strings, LauncherWithoutAboutStringTest,
                         ::testing::Values(WithoutAboutString{"Missing", false},
                                           WithoutAboutString{"Empty", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
