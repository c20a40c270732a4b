// Menus as the portable desktop keeps them, and the record of every menu
// the user was shown.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/api/menu_functions.h"

namespace desktop {

struct MenuItem {
  UINT id = 0;          // the command; 0 for separators
  UINT flags = 0;       // MF_* kind and state bits as the program set them
  std::string text;     // code page 936 bytes
  HMENU popup = nullptr;  // the pop-up an MF_POPUP item opens
};

struct Menu {
  HMENU handle = nullptr;
  bool popup = false;         // CreatePopupMenu, or a menu bar's pop-up
  HWND systemMenuOf = nullptr;  // the window whose window menu this is
  std::vector<MenuItem> items;
};

// An item as the user saw it when the menu opened.
struct SeenMenuItem {
  UINT id = 0;
  std::string text;
  bool separator = false;
  bool popup = false;
  bool checked = false;
  bool grayed = false;  // MF_GRAYED or MF_DISABLED: cannot be chosen
};

// One pop-up menu as it was shown and closed.
struct MenuRecord {
  HWND owner = nullptr;
  HMENU menu = nullptr;
  bool windowMenu = false;  // a window's window menu, however it was opened
  POINT position{0, 0};     // screen point the menu was opened at
  UINT flags = 0;           // TPM_* flags
  std::vector<SeenMenuItem> items;
  UINT chosen = 0;          // the command chosen; 0 when dismissed
  DWORD openedAt = 0;
  DWORD closedAt = 0;
  bool open = true;
};

// What the user does with the open menu.
struct MenuChoice {
  enum Kind { kDismiss, kById, kByText } kind = kDismiss;
  UINT id = 0;
  std::string text;  // matched without '&' and without the accelerator after a tab
};

class MenuStore {
 public:
  Menu* Find(HMENU menu);
  Menu* Require(HMENU menu);  // sets ERROR_INVALID_MENU_HANDLE when missing
  HMENU Create(bool popup);
  void Destroy(HMENU menu);   // with the pop-ups it holds

  std::vector<MenuRecord> shown;  // oldest first
  // The menu being tracked now (index into `shown`), and what the user did.
  std::optional<std::size_t> tracking;
  std::optional<MenuChoice> pendingChoice;

 private:
  std::map<ULONG_PTR, std::unique_ptr<Menu>> menus_;
  ULONG_PTR next_ = 0x20010;
};

// The items of a menu as the user sees them now.
std::vector<SeenMenuItem> SeeMenu(HMENU menu);

// Opens `menu` as a pop-up for `owner` and runs the modal loop until the
// user chooses or dismisses it; answers the chosen command or 0.
UINT TrackMenu(HMENU menu, UINT flags, POINT at, HWND owner, bool windowMenu);

// The window menu of a top-level window: opened at `at` (screen), its
// choice posted as WM_SYSCOMMAND.
void OpenWindowMenu(HWND hwnd, POINT at);

// The window menu opened with Alt+Space: under the caption of the top-level
// window that `hwnd` belongs to.
void OpenWindowMenuFromKeyboard(HWND hwnd);

// Brings the window menu's item states up to date with the window's style.
void UpdateWindowMenu(HWND hwnd, HMENU menu);

// The user's answer to the open menu (host side). False when no menu is open.
bool ChooseFromOpenMenu(const MenuChoice& choice);

// Drops the window menu of a window being destroyed.
void ReleaseWindowMenu(HWND hwnd);

}  // namespace desktop
