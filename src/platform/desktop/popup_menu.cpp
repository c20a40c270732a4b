// Pop-up menus tracked modally: the owner hears the menu loop begin and
// end, the host's user chooses an item or dismisses the menu, and every
// window of the thread keeps running (timers, posted messages) meanwhile.
#include <cstdio>

#include "platform/desktop/host.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::MenuChoice;

namespace {

constexpr DWORD kErrorPopupAlreadyActive = 1446;

// "&Close\tAlt+F4" is "Close" to a user reading the menu.
std::string VisibleText(const std::string& text) {
  std::string visible;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\t') break;
    if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&&" is one '&'
    visible += text[i];
  }
  return visible;
}

// The item the choice names, searching pop-ups too (the user opens them on
// the way); null when there is none.
const desktop::MenuItem* FindChoice(HMENU handle, const MenuChoice& choice) {
  desktop::Menu* menu = Current().menus.Find(handle);
  if (!menu) return nullptr;
  for (const desktop::MenuItem& item : menu->items) {
    if (item.flags & MF_SEPARATOR) continue;
    bool matches = choice.kind == MenuChoice::kById
                       ? !(item.flags & MF_POPUP) && item.id == choice.id
                       : item.text == choice.text || VisibleText(item.text) == choice.text;
    if (matches) return &item;
    if (item.flags & MF_POPUP) {
      if (const desktop::MenuItem* inner = FindChoice(item.popup, choice)) return inner;
    }
  }
  return nullptr;
}

std::string DescribeItems(const std::vector<desktop::SeenMenuItem>& items) {
  std::string line;
  for (const desktop::SeenMenuItem& item : items) {
    if (!line.empty()) line += " | ";
    if (item.separator) {
      line += "---";
      continue;
    }
    line += VisibleText(item.text);
    if (item.checked) line += " (checked)";
    if (item.grayed) line += " (greyed)";
  }
  return line;
}

// Wakes the menu's loop once the user has acted.
void WakeLoop() { PostMessageA(nullptr, WM_NULL, 0, 0); }

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// Records the menu as the user sees it, tells the transcript and the host.
std::size_t OpenRecord(HMENU menu, UINT flags, POINT at, HWND owner, bool windowMenu) {
  desktop::State& s = Current();
  std::size_t index = s.menus.shown.size();
  s.menus.shown.push_back(desktop::MenuRecord{owner, menu, windowMenu, at, flags,
                                              desktop::SeeMenu(menu), 0, s.host->Now(), 0, true});
  char where[48];
  std::snprintf(where, sizeof where, " at %d,%d: ", static_cast<int>(at.x), static_cast<int>(at.y));
  desktop::Log(std::string(windowMenu ? "window menu" : "menu") + where +
               DescribeItems(s.menus.shown[index].items));
  s.menus.tracking = index;
  s.menus.pendingChoice.reset();
  s.host->MenuOpened();
  return index;
}

void CloseRecord(std::size_t index, UINT chosen) {
  desktop::State& s = Current();
  s.menus.tracking.reset();
  s.menus.pendingChoice.reset();
  desktop::MenuRecord& record = s.menus.shown[index];
  record.chosen = chosen;
  record.closedAt = s.host->Now();
  record.open = false;
  desktop::Log(chosen ? "menu closed with command " + std::to_string(chosen) : "menu dismissed");
  desktop::Observer().MenuClosed(record);
}

// The menu's modal loop: every message but the keyboard's is dispatched as
// usual until the user chooses an item or dismisses the menu, the owner
// goes, or the run ends. Answers the chosen command or 0.
UINT RunMenuLoop(HMENU menu, HWND owner) {
  desktop::State& s = Current();
  MSG msg;
  for (;;) {
    if (s.menus.pendingChoice) {
      MenuChoice choice = *s.menus.pendingChoice;
      s.menus.pendingChoice.reset();
      if (choice.kind == MenuChoice::kDismiss) return 0;
      const desktop::MenuItem* item = FindChoice(menu, choice);
      if (item && !(item->flags & (MF_GRAYED | MF_DISABLED | MF_POPUP))) return item->id;
      // A greyed item, a pop-up's own line or nothing at all: the menu stays open.
      desktop::Log("user: nothing to choose there; the menu stays open");
    }
    if (!IsWindow(owner)) return 0;
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
      return 0;
    }
    if (IsKeyMessage(msg.message)) {
      // The menu has the keyboard; Esc closes it.
      if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) return 0;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

namespace desktop {

bool ChooseFromOpenMenu(const MenuChoice& choice) {
  State& s = Current();
  if (!s.menus.tracking) return false;
  s.menus.pendingChoice = choice;
  WakeLoop();
  return true;
}

UINT TrackMenu(HMENU menu, UINT flags, POINT at, HWND owner, bool windowMenu) {
  State& s = Current();
  bool notify = !(flags & TPM_NONOTIFY);
  WPARAM popupLoop = windowMenu ? FALSE : TRUE;
  const Menu* tracked = s.menus.Find(menu);
  HWND menuOf = tracked ? tracked->systemMenuOf : nullptr;
  BOOL isSystemMenu = menuOf != nullptr;
  if (notify) {
    Send(owner, WM_ENTERMENULOOP, popupLoop, 0);
    Send(owner, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    Send(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, isSystemMenu));
  }
  if (menuOf && IsWindow(menuOf)) UpdateWindowMenu(menuOf, menu);
  if (!s.menus.Find(menu)) return 0;

  std::size_t index = OpenRecord(menu, flags, at, owner, windowMenu || isSystemMenu);
  UINT chosen = RunMenuLoop(menu, owner);
  CloseRecord(index, chosen);

  if (chosen && !(flags & TPM_RETURNCMD) && IsWindow(owner)) {
    if (windowMenu) {
      PostMessageA(owner, WM_SYSCOMMAND, chosen, MAKELPARAM(at.x, at.y));
    } else {
      PostMessageA(owner, WM_COMMAND, chosen, 0);
    }
  }
  if (notify && IsWindow(owner)) {
    Send(owner, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, isSystemMenu));
    Send(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Send(owner, WM_EXITMENULOOP, popupLoop, 0);
  }
  return chosen;
}

}  // namespace desktop

BOOL WINAPI TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS) {
  desktop::State& s = Current();
  if (!s.menus.Require(menu) || !s.Require(owner)) return FALSE;
  if (s.menus.tracking) {
    desktop::SetError(kErrorPopupAlreadyActive);
    return FALSE;
  }
  // Even the window menu, tracked by the program, answers with WM_COMMAND.
  UINT chosen = desktop::TrackMenu(menu, flags, POINT{x, y}, owner, false);
  return (flags & TPM_RETURNCMD) ? static_cast<BOOL>(chosen) : TRUE;
}

BOOL WINAPI TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL WINAPI EndMenu() {
  desktop::ChooseFromOpenMenu(MenuChoice{});
  return TRUE;
}
