// CMenu: a framework object holding a menu handle. An object that holds a
// menu destroys it when it goes, unless the menu was detached first;
// FromHandle gives a temporary wrapper that only borrows the handle (valid
// until the next idle time).
#pragma once

#include "fw/string.h"
#include "fw/types.h"

class CWnd;

class CMenu {
 public:
  CMenu() = default;
  ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return m_hMenu; }  // NOLINT: as callers expect

  static CMenu* FromHandle(HMENU menu);
  static void DeleteTempMap();
  BOOL Attach(HMENU menu);
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL LoadMenu(UINT id);
  BOOL LoadMenu(LPCSTR name);
  BOOL DestroyMenu();

  CMenu* GetSubMenu(int position) const;
  BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr);
  BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr);
  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr);
  BOOL DeleteMenu(UINT position, UINT flags);
  BOOL RemoveMenu(UINT position, UINT flags);
  // Both answer the item's previous state, or 0xFFFFFFFF when there is no such item.
  UINT CheckMenuItem(UINT item, UINT check);
  UINT EnableMenuItem(UINT item, UINT enable);
  UINT GetMenuItemCount() const;
  UINT GetMenuItemID(int position) const;
  UINT GetMenuState(UINT item, UINT flags) const;
  int GetMenuString(UINT item, CString& text, UINT flags) const;

  // Shows the menu as a pop-up owned by `wnd` until the user chooses or
  // dismisses it; the choice arrives at `wnd` as WM_COMMAND (or is answered,
  // with TPM_RETURNCMD).
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT ignored = nullptr);
};
