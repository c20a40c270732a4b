// Pop-up menus on the display are GTK menus: the real keyboard chooses an
// item or dismisses the menu, and TrackPopupMenu answers accordingly.
#include <gdk/gdk.h>

#include "tests/gtk/display_test.h"

namespace {

constexpr UINT kFirst = 101;
constexpr UINT kSecond = 102;

class NativeMenuTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "MenuOwner";
    RegisterClassA(&cls);
    owner_ = CreateWindowExA(0, "MenuOwner", "Owner", WS_POPUP | WS_VISIBLE, 50, 50, 300, 200,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    menu_ = CreatePopupMenu();
    AppendMenuA(menu_, MF_STRING, kFirst, "&First");
    AppendMenuA(menu_, MF_STRING | MF_GRAYED, 999, "Greyed");
    AppendMenuA(menu_, MF_STRING, kSecond, "&Second\tCtrl+S");
    PumpUntil([] { return false; }, 200);  // the owner is on the screen
  }
  void TearDown() override {
    DestroyMenu(menu_);
    DestroyWindow(owner_);
    UnregisterClassA("MenuOwner", GetModuleHandleA(nullptr));
    DisplayTest::TearDown();
  }
  UINT Track(std::vector<unsigned> keys) {
    PressKeysLater(std::move(keys), 500);  // once the menu is open
    return static_cast<UINT>(TrackPopupMenu(menu_, TPM_RETURNCMD, 100, 100, 0, owner_, nullptr));
  }
  HWND owner_ = nullptr;
  HMENU menu_ = nullptr;
};

TEST_F(NativeMenuTest, TheKeyboardChoosesAnItemPastTheGreyedOne) {
  EXPECT_EQ(Track({GDK_KEY_Down, GDK_KEY_Down, GDK_KEY_Return}), kSecond);
}

TEST_F(NativeMenuTest, EscapeDismissesTheMenu) {
  EXPECT_EQ(Track({GDK_KEY_Escape}), 0u);
}

}  // namespace
