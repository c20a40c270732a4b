// Menus: items and their states, menus from resources, the window menu and
// the system commands' default processing.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/divergence.h"
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

constexpr UINT kNoItem = 0xFFFFFFFF;

class MenuTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("Recorder", RecordingWindowProc);
    MessageLog::Clear();
  }
  HWND Create(DWORD style) {
    return CreateWindowExA(0, "Recorder", "title", style, 100, 100, 400, 300, nullptr, nullptr,
                           nullptr, nullptr);
  }
};

std::string MenuString(HMENU menu, UINT item, UINT flags) {
  char text[64] = {};
  GetMenuStringA(menu, item, text, sizeof text, flags);
  return text;
}

struct ItemExpectation {
  UINT id;
  UINT state;
  const char* text;
};

// A pop-up built item by item reads back as it was built, position by position.
TEST_F(MenuTest, AppendedItemsReadBackWithTheirStates) {
  HMENU inner = CreatePopupMenu();
  AppendMenuA(inner, MF_STRING, 7, "inner");
  HMENU menu = CreatePopupMenu();
  ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 1, "&Plain"));
  ASSERT_TRUE(AppendMenuA(menu, MF_STRING | MF_CHECKED, 2, "Checked"));
  ASSERT_TRUE(AppendMenuA(menu, MF_STRING | MF_GRAYED, 3, "Greyed"));
  ASSERT_TRUE(AppendMenuA(menu, MF_SEPARATOR, 0, nullptr));
  ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "Sub"));

  const ItemExpectation expected[] = {
      {1, MF_STRING, "&Plain"},
      {2, MF_CHECKED, "Checked"},
      {3, MF_GRAYED, "Greyed"},
      {0, MF_SEPARATOR | MF_GRAYED | MF_DISABLED, ""},  // never to be chosen
      {kNoItem, MF_POPUP | (1u << 8), "Sub"},  // a pop-up counts its items in the high byte
  };
  ASSERT_EQ(GetMenuItemCount(menu), 5);
  for (UINT i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GetMenuItemID(menu, static_cast<int>(i)), expected[i].id);
    EXPECT_EQ(GetMenuState(menu, i, MF_BYPOSITION), expected[i].state);
    EXPECT_EQ(MenuString(menu, i, MF_BYPOSITION), expected[i].text);
  }
  EXPECT_EQ(GetSubMenu(menu, 4), inner);
  EXPECT_EQ(GetSubMenu(menu, 0), nullptr);
  EXPECT_EQ(GetMenuItemID(menu, 5), kNoItem);
  // By command, the pop-ups are searched too.
  EXPECT_EQ(MenuString(menu, 7, MF_BYCOMMAND), "inner");
  EXPECT_EQ(GetMenuState(menu, 99, MF_BYCOMMAND), kNoItem);

  ASSERT_TRUE(DestroyMenu(menu));
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_FALSE(IsMenu(inner));  // a menu goes with its pop-ups
  SetLastError(0xdeadbeef);
  EXPECT_EQ(GetMenuItemCount(menu), -1);
  if (!WINE_DIVERGES("Wine leaves the last error alone for a menu that is gone")) {
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
  }
}

struct CheckCase {
  const char* name;
  UINT item;
  UINT flags;
  DWORD previous;  // what CheckMenuItem answers
};

// CheckMenuItem answers the state the item had, and sets the new one.
TEST_F(MenuTest, CheckMenuItemAnswersThePreviousState) {
  HMENU inner = CreatePopupMenu();
  AppendMenuA(inner, MF_STRING | MF_CHECKED, 20, "inner");
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 10, "ten");
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "sub");

  const CheckCase cases[] = {
      {"unchecked, checked by command", 10, MF_BYCOMMAND | MF_CHECKED, MF_UNCHECKED},
      {"checked again by position", 0, MF_BYPOSITION | MF_CHECKED, MF_CHECKED},
      {"unchecked by command", 10, MF_BYCOMMAND | MF_UNCHECKED, MF_CHECKED},
      {"in the pop-up, by command", 20, MF_BYCOMMAND | MF_UNCHECKED, MF_CHECKED},
      {"no such command", 30, MF_BYCOMMAND | MF_CHECKED, kNoItem},
      {"no such position", 5, MF_BYPOSITION | MF_CHECKED, kNoItem},
  };
  for (const CheckCase& c : cases) {
    EXPECT_EQ(CheckMenuItem(menu, c.item, c.flags), c.previous) << c.name;
  }
  EXPECT_EQ(GetMenuState(menu, 10, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(GetMenuState(inner, 20, MF_BYCOMMAND) & MF_CHECKED, 0u);

  EXPECT_EQ(EnableMenuItem(menu, 10, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(EnableMenuItem(menu, 10, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(static_cast<UINT>(EnableMenuItem(menu, 30, MF_BYCOMMAND | MF_GRAYED)), kNoItem);
  DestroyMenu(menu);
}

TEST_F(MenuTest, InsertModifyDeleteAndRemove) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "one");
  AppendMenuA(menu, MF_STRING, 3, "three");
  ASSERT_TRUE(InsertMenuA(menu, 3, MF_BYCOMMAND | MF_STRING, 2, "two"));  // before command 3
  ASSERT_TRUE(ModifyMenuA(menu, 0, MF_BYPOSITION | MF_STRING | MF_GRAYED, 11, "eleven"));
  EXPECT_EQ(GetMenuItemID(menu, 0), 11u);
  EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(GetMenuItemID(menu, 1), 2u);
  EXPECT_EQ(MenuString(menu, 2, MF_BYCOMMAND), "two");

  HMENU kept = CreatePopupMenu();
  HMENU dropped = CreatePopupMenu();
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(kept), "kept");
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(dropped), "dropped");
  ASSERT_TRUE(RemoveMenu(menu, 3, MF_BYPOSITION));   // takes the item, leaves its pop-up
  ASSERT_TRUE(DeleteMenu(menu, 3, MF_BYPOSITION));   // destroys the pop-up too
  EXPECT_TRUE(IsMenu(kept));
  EXPECT_FALSE(IsMenu(dropped));
  EXPECT_FALSE(DeleteMenu(menu, 99, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuItemCount(menu), 3);
  DestroyMenu(kept);
  DestroyMenu(menu);
}

TEST_F(MenuTest, LoadMenuBuildsTheTemplatesItems) {
  HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_MENU));
  ASSERT_TRUE(bar);
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  HMENU popup = GetSubMenu(bar, 0);
  ASSERT_TRUE(popup);
  const ItemExpectation expected[] = {
      {IDM_TEST_FIRST, MF_STRING, "&First"},
      {IDM_TEST_CHECKED, MF_CHECKED, "Checked"},
      {0, MF_SEPARATOR | MF_GRAYED | MF_DISABLED, ""},
      {IDM_TEST_GRAYED, MF_GRAYED, "Greyed"},
      {kNoItem, MF_POPUP | (1u << 8), "More"},
  };
  ASSERT_EQ(GetMenuItemCount(popup), 5);
  for (UINT i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GetMenuItemID(popup, static_cast<int>(i)), expected[i].id);
    EXPECT_EQ(GetMenuState(popup, i, MF_BYPOSITION), expected[i].state);
    EXPECT_EQ(MenuString(popup, i, MF_BYPOSITION), expected[i].text);
  }
  EXPECT_EQ(CheckMenuItem(bar, IDM_TEST_INNER, MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
  DestroyMenu(bar);
  EXPECT_FALSE(IsMenu(popup));
  SetLastError(0);
  EXPECT_EQ(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(399)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

std::vector<UINT> ItemIds(HMENU menu) {
  std::vector<UINT> ids;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) ids.push_back(GetMenuItemID(menu, i));
  return ids;
}

TEST_F(MenuTest, TheWindowMenuIsTheWindowsOwnCopyUntilReverted) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW);
  HMENU menu = GetSystemMenu(hwnd, FALSE);
  ASSERT_TRUE(menu);
  std::vector<UINT> ids = ItemIds(menu);
  std::vector<UINT> standard = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE};
  if (WINE_DIVERGES("Wine's window menu ends with a separator and an About Wine item")) {
    ids.resize(std::min(ids.size(), standard.size()));
  }
  EXPECT_EQ(ids, standard);
  int standardCount = GetMenuItemCount(menu);
  EXPECT_EQ(GetSystemMenu(hwnd, FALSE), menu);  // the same copy every time
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, 0x0010, "&About...");
  EXPECT_EQ(GetMenuItemCount(GetSystemMenu(hwnd, FALSE)), standardCount + 2);
  EXPECT_EQ(GetMenuItemID(menu, standardCount + 1), 0x0010u);

  EXPECT_EQ(GetSystemMenu(hwnd, TRUE), nullptr);
  EXPECT_EQ(GetMenuItemCount(GetSystemMenu(hwnd, FALSE)), standardCount);  // the standard items again

  HWND plain = Create(WS_POPUP);  // no WS_SYSMENU: no window menu
  EXPECT_EQ(GetSystemMenu(plain, FALSE), nullptr);
  DestroyWindow(plain);
  DestroyWindow(hwnd);
}

struct SysCommandCase {
  const char* name;
  WPARAM command;
  bool destroyed, iconic, zoomed;
};

// DefWindowProc carries out the window menu's commands; the low four bits
// belong to the system and are ignored.
TEST_F(MenuTest, SystemCommandsHaveTheirDefaultEffect) {
  const SysCommandCase cases[] = {
      {"minimise", SC_MINIMIZE, false, true, false},
      {"maximise", SC_MAXIMIZE, false, false, true},
      {"maximise with low bits", SC_MAXIMIZE | 2, false, false, true},
      {"restore", SC_RESTORE, false, false, false},
      {"close", SC_CLOSE, true, false, false},
  };
  for (const SysCommandCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    if (c.command == SC_RESTORE) ShowWindow(hwnd, SW_MAXIMIZE);
    MessageLog::Clear();
    SendMessageA(hwnd, WM_SYSCOMMAND, c.command, 0);
    Pump();
    EXPECT_EQ(!IsWindow(hwnd), c.destroyed);
    if (c.destroyed) {
      std::vector<UINT> seen = MessageLog::For(hwnd);
      EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_CLOSE)), seen.end());
      continue;
    }
    EXPECT_EQ(IsIconic(hwnd) != 0, c.iconic);
    EXPECT_EQ(IsZoomed(hwnd) != 0, c.zoomed);
    DestroyWindow(hwnd);
  }
}

TEST_F(MenuTest, AltF4BecomesCloseFromTheWindowMenu) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  MessageLog::Clear();
  SendMessageA(hwnd, WM_SYSKEYDOWN, VK_F4, 1 | (1L << 29));
  Pump();
  EXPECT_FALSE(IsWindow(hwnd));
  bool sawClose = false;
  for (const LoggedMessage& m : MessageLog::Entries()) {
    if (m.message == WM_SYSCOMMAND) {
      EXPECT_EQ(m.wParam & 0xFFF0, static_cast<WPARAM>(SC_CLOSE));
    }
    if (m.message == WM_CLOSE) sawClose = true;
  }
  EXPECT_TRUE(sawClose);
}

}  // namespace
