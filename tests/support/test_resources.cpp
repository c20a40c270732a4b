#include <cstdint>
#include <string>
#include <vector>

#include "platform/desktop/resource_model.h"
#include "tests/support/bmp_file.h"
#include "tests/support/platform_test.h"

namespace {

desktop::DialogResource PlainDialog(WORD id, DWORD extraStyle) {
  return desktop::DialogResource{
      id, true, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | extraStyle, 0, 10, 10, 200, 100,
      "Test dialog", "MS Shell Dlg", 8,
      {
          {"Static", "text", WS_CHILD | WS_VISIBLE, 0, 10, 10, 100, 8, IDC_TEST_TEXT, 0},
          {"Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 40, 70, 50, 14,
           IDOK, 0},
          {"Button", "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 100, 70, 50, 14, IDCANCEL, 0},
      }};
}

constexpr std::uint32_t K = 0x5C5C5C;

// The bitmap files, kept for the life of the program (resources hold views).
const std::vector<desktop::FileResource>& TestBitmaps() {
  static const std::string picture =
      BmpFile(4, 3, 24,
              {K, 0xC03020, 0x2040E0, K,  //
               0x102030, 0x102030, 0x102030, 0x102030,  //
               0x102030, K, 0x102030, 0x102030});
  static const std::string palette =
      BmpFile(3, 2, 8, {1, 0, 2, 2, 2, 1}, {K, 0xFF0000, 0x00FF00});
  static const std::string deep = BmpFile(2, 1, 32, {0x123456, 0xABCDEF});
  static const std::vector<desktop::FileResource> bitmaps = {
      {IDB_TEST_PICTURE, "tests/support/fixtures/picture.bmp", picture},
      {IDB_TEST_PALETTE, "tests/support/fixtures/palette.bmp", palette},
      {IDB_TEST_DEEP, "tests/support/fixtures/deep.bmp", deep},
  };
  return bitmaps;
}

}  // namespace

const desktop::ResourceSet& TestResources() {
  static const desktop::ResourceSet resources = [] {
    desktop::ResourceSet r;
    r.dialogs.push_back(PlainDialog(IDD_TEST_PLAIN, WS_VISIBLE));
    r.dialogs.push_back(PlainDialog(IDD_TEST_HIDDEN, 0));
    desktop::DialogResource bare = PlainDialog(IDD_TEST_NO_BUTTONS, WS_VISIBLE);
    bare.items.resize(1);
    r.dialogs.push_back(bare);
    desktop::DialogResource placeholder = PlainDialog(IDD_TEST_PLACEHOLDER, WS_VISIBLE);
    placeholder.items = {{"Static", "", WS_CHILD | WS_VISIBLE, 0, 10, 10, 100, 8, -1, 0}};
    r.dialogs.push_back(placeholder);
    desktop::MenuItemResource popup;
    popup.popup = true;
    popup.text = "Test";
    desktop::MenuItemResource more;
    more.popup = true;
    more.text = "More";
    more.children = {{IDM_TEST_INNER, "Inner", 0, {}, false, false}};
    popup.children = {
        {IDM_TEST_FIRST, "&First", 0, {}, false, false},
        {IDM_TEST_CHECKED, "Checked", MF_CHECKED, {}, false, false},
        {0, "", 0, {}, false, true},
        {IDM_TEST_GRAYED, "Greyed", MF_GRAYED, {}, false, false},
        more,
    };
    r.menus.push_back(desktop::MenuResource{IDR_TEST_MENU, {popup}});
    r.bitmaps = TestBitmaps();
    return r;
  }();
  return resources;
}
