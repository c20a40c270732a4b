#include "fw/menu.h"

#include <map>
#include <memory>

#include "fw/app.h"
#include "fw/wnd.h"

namespace {

std::map<HMENU, std::unique_ptr<CMenu>>& TemporaryMenus() {
  static std::map<HMENU, std::unique_ptr<CMenu>> menus;
  return menus;
}

}  // namespace

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU menu) {
  if (!menu) return nullptr;
  auto& temp = TemporaryMenus()[menu];
  if (!temp) {
    temp = std::make_unique<CMenu>();
    temp->m_hMenu = menu;
  }
  return temp.get();
}

void CMenu::DeleteTempMap() {
  // Temporary wrappers only borrow their menus.
  for (auto& [handle, menu] : TemporaryMenus()) menu->m_hMenu = nullptr;
  TemporaryMenus().clear();
}

BOOL CMenu::Attach(HMENU menu) {
  if (!menu || m_hMenu) return FALSE;
  m_hMenu = menu;
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU menu = m_hMenu;
  m_hMenu = nullptr;
  return menu;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(UINT id) { return LoadMenu(MAKEINTRESOURCEA(id)); }

BOOL CMenu::LoadMenu(LPCSTR name) {
  if (m_hMenu) return FALSE;
  return Attach(::LoadMenuA(AfxGetInstanceHandle(), name));
}

BOOL CMenu::DestroyMenu() {
  if (!m_hMenu) return FALSE;
  return ::DestroyMenu(Detach());
}

CMenu* CMenu::GetSubMenu(int position) const {
  return FromHandle(::GetSubMenu(m_hMenu, position));
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  return ::AppendMenuA(m_hMenu, flags, idOrPopup, text);
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  return ::InsertMenuA(m_hMenu, position, flags, idOrPopup, text);
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  return ::ModifyMenuA(m_hMenu, position, flags, idOrPopup, text);
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }

UINT CMenu::CheckMenuItem(UINT item, UINT check) {
  return static_cast<UINT>(::CheckMenuItem(m_hMenu, item, check));
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable) {
  return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, enable));
}

UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
UINT CMenu::GetMenuState(UINT item, UINT flags) const {
  return ::GetMenuState(m_hMenu, item, flags);
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
  int length = ::GetMenuStringA(m_hMenu, item, nullptr, 0, flags);
  int copied = ::GetMenuStringA(m_hMenu, item, text.GetBuffer(length + 1), length + 1, flags);
  text.ReleaseBuffer();
  return copied;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT ignored) {
  return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, wnd ? wnd->GetSafeHwnd() : nullptr, ignored);
}
