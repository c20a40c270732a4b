// Menus: creation from code and from the program's resources, items and
// their states.
#include <algorithm>
#include <cstring>

#include "platform/desktop/state.h"

using desktop::Current;
using desktop::Menu;
using desktop::MenuItem;

namespace {

// The bits of an item's flags that say what it is and how it looks, as
// GetMenuState reports them.
constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR |
                            MF_MENUBARBREAK | MF_MENUBREAK | MF_HILITE | MF_DEFAULT |
                            MF_OWNERDRAW | MF_BITMAP | MF_RIGHTJUSTIFY;
constexpr UINT kNotFound = static_cast<UINT>(-1);

struct ItemRef {
  Menu* menu = nullptr;
  std::size_t index = 0;
  MenuItem& item() const { return menu->items[index]; }
};

// An item by position, or by command searching the pop-ups depth first, as
// Windows does.
ItemRef FindItem(Menu* menu, UINT item, UINT flags) {
  if (!menu) return {};
  if (flags & MF_BYPOSITION) {
    if (item >= menu->items.size()) return {};
    return {menu, item};
  }
  for (std::size_t i = 0; i < menu->items.size(); ++i) {
    const MenuItem& candidate = menu->items[i];
    if (candidate.flags & MF_POPUP) {
      ItemRef inner = FindItem(Current().menus.Find(candidate.popup), item, flags);
      if (inner.menu) return inner;
    }
    if (!(candidate.flags & MF_SEPARATOR) && candidate.id == item) return {menu, i};
  }
  return {};
}

ItemRef RequireItem(HMENU handle, UINT item, UINT flags) {
  ItemRef ref = FindItem(Current().menus.Require(handle), item, flags);
  if (!ref.menu && Current().menus.Find(handle)) desktop::SetError(ERROR_MENU_ITEM_NOT_FOUND);
  return ref;
}

// Builds an item from the arguments of AppendMenu, InsertMenu and ModifyMenu.
bool MakeItem(UINT flags, UINT_PTR idOrPopup, LPCSTR text, MenuItem* out) {
  MenuItem item;
  item.flags = flags & ~(MF_BYPOSITION | MF_CHANGE | MF_APPEND | MF_DELETE | MF_REMOVE);
  if (flags & MF_POPUP) {
    item.popup = reinterpret_cast<HMENU>(idOrPopup);
    Menu* popup = Current().menus.Require(item.popup);
    if (!popup) return false;
    popup->popup = true;
  } else if (!(flags & MF_SEPARATOR)) {
    item.id = static_cast<UINT>(idOrPopup & 0xFFFF);
  }
  if (!(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && text) item.text = text;
  // A string item without text is drawn as a separator, as on Windows.
  if (!(flags & (MF_POPUP | MF_BITMAP | MF_OWNERDRAW)) && item.text.empty() && !text) {
    item.flags |= MF_SEPARATOR;
  }
  // Separators cannot be chosen: Windows keeps them greyed.
  if (item.flags & MF_SEPARATOR) item.flags |= MF_GRAYED | MF_DISABLED;
  *out = std::move(item);
  return true;
}

void AddResourceItems(HMENU menu, const std::vector<desktop::MenuItemResource>& items) {
  for (const desktop::MenuItemResource& item : items) {
    if (item.separator) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (item.popup) {
      HMENU popup = CreatePopupMenu();
      AddResourceItems(popup, item.children);
      AppendMenuA(menu, MF_POPUP | item.flags, reinterpret_cast<UINT_PTR>(popup), item.text.c_str());
    } else {
      AppendMenuA(menu, MF_STRING | item.flags, item.id, item.text.c_str());
    }
  }
}

HMENU LoadMenuResource(const void* name) {
  const desktop::ResourceSet* resources = Current().resources;
  const desktop::MenuResource* found =
      resources && IS_INTRESOURCE(name)
          ? resources->FindMenu(LOWORD(reinterpret_cast<ULONG_PTR>(name)))
          : nullptr;
  if (!found) {
    desktop::SetError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  HMENU menu = CreateMenu();
  AddResourceItems(menu, found->items);
  return menu;
}

}  // namespace

namespace desktop {

Menu* MenuStore::Find(HMENU menu) {
  auto it = menus_.find(reinterpret_cast<ULONG_PTR>(menu));
  return it == menus_.end() ? nullptr : it->second.get();
}

Menu* MenuStore::Require(HMENU menu) {
  Menu* found = Find(menu);
  if (!found) SetError(ERROR_INVALID_MENU_HANDLE);
  return found;
}

HMENU MenuStore::Create(bool popup) {
  auto menu = std::make_unique<Menu>();
  menu->handle = reinterpret_cast<HMENU>(next_);
  menu->popup = popup;
  next_ += 4;
  HMENU handle = menu->handle;
  menus_[reinterpret_cast<ULONG_PTR>(handle)] = std::move(menu);
  return handle;
}

void MenuStore::Destroy(HMENU handle) {
  auto it = menus_.find(reinterpret_cast<ULONG_PTR>(handle));
  if (it == menus_.end()) return;
  std::unique_ptr<Menu> menu = std::move(it->second);
  menus_.erase(it);
  for (const MenuItem& item : menu->items) {
    if (item.flags & MF_POPUP) Destroy(item.popup);
  }
}

std::vector<SeenMenuItem> SeeMenu(HMENU handle) {
  std::vector<SeenMenuItem> seen;
  Menu* menu = Current().menus.Find(handle);
  if (!menu) return seen;
  for (const MenuItem& item : menu->items) {
    seen.push_back(SeenMenuItem{item.id, item.text, (item.flags & MF_SEPARATOR) != 0,
                                (item.flags & MF_POPUP) != 0, (item.flags & MF_CHECKED) != 0,
                                (item.flags & (MF_GRAYED | MF_DISABLED)) != 0});
  }
  return seen;
}

}  // namespace desktop

HMENU WINAPI CreateMenu() { return Current().menus.Create(false); }
HMENU WINAPI CreatePopupMenu() { return Current().menus.Create(true); }

BOOL WINAPI DestroyMenu(HMENU menu) {
  desktop::State& s = Current();
  if (!s.menus.Require(menu)) return FALSE;
  s.menus.Destroy(menu);
  return TRUE;
}

BOOL WINAPI IsMenu(HMENU menu) { return Current().menus.Find(menu) != nullptr; }

HMENU WINAPI LoadMenuA(HINSTANCE, LPCSTR name) { return LoadMenuResource(name); }
HMENU WINAPI LoadMenuW(HINSTANCE, LPCWSTR name) { return LoadMenuResource(name); }

HMENU WINAPI GetSubMenu(HMENU handle, int position) {
  Menu* menu = Current().menus.Require(handle);
  if (!menu || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) {
    return nullptr;
  }
  const MenuItem& item = menu->items[static_cast<std::size_t>(position)];
  return (item.flags & MF_POPUP) ? item.popup : nullptr;
}

BOOL WINAPI AppendMenuA(HMENU handle, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  Menu* menu = Current().menus.Require(handle);
  MenuItem item;
  if (!menu || !MakeItem(flags, idOrPopup, text, &item)) return FALSE;
  menu->items.push_back(std::move(item));
  return TRUE;
}

BOOL WINAPI InsertMenuA(HMENU handle, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  Menu* menu = Current().menus.Require(handle);
  MenuItem item;
  if (!menu || !MakeItem(flags, idOrPopup, text, &item)) return FALSE;
  if ((flags & MF_BYPOSITION) || position == kNotFound) {
    // Past the end (or -1): appended.
    std::size_t at = std::min<std::size_t>(position, menu->items.size());
    menu->items.insert(menu->items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return TRUE;
  }
  ItemRef before = RequireItem(handle, position, flags);
  if (!before.menu) return FALSE;
  auto& items = before.menu->items;
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(before.index), std::move(item));
  return TRUE;
}

BOOL WINAPI ModifyMenuA(HMENU handle, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  ItemRef ref = RequireItem(handle, position, flags);
  MenuItem item;
  if (!ref.menu || !MakeItem(flags, idOrPopup, text, &item)) return FALSE;
  MenuItem& old = ref.item();
  if ((old.flags & MF_POPUP) && old.popup != item.popup) Current().menus.Destroy(old.popup);
  old = std::move(item);
  return TRUE;
}

BOOL WINAPI RemoveMenu(HMENU handle, UINT position, UINT flags) {
  ItemRef ref = RequireItem(handle, position, flags);
  if (!ref.menu) return FALSE;
  ref.menu->items.erase(ref.menu->items.begin() + static_cast<std::ptrdiff_t>(ref.index));
  return TRUE;
}

BOOL WINAPI DeleteMenu(HMENU handle, UINT position, UINT flags) {
  ItemRef ref = RequireItem(handle, position, flags);
  if (!ref.menu) return FALSE;
  HMENU popup = (ref.item().flags & MF_POPUP) ? ref.item().popup : nullptr;
  ref.menu->items.erase(ref.menu->items.begin() + static_cast<std::ptrdiff_t>(ref.index));
  if (popup) Current().menus.Destroy(popup);
  return TRUE;
}

DWORD WINAPI CheckMenuItem(HMENU handle, UINT position, UINT flags) {
  ItemRef ref = FindItem(Current().menus.Find(handle), position, flags);
  if (!ref.menu) return kNotFound;
  MenuItem& item = ref.item();
  DWORD previous = item.flags & MF_CHECKED;
  item.flags = (item.flags & ~static_cast<UINT>(MF_CHECKED)) | (flags & MF_CHECKED);
  return previous;
}

BOOL WINAPI EnableMenuItem(HMENU handle, UINT position, UINT flags) {
  ItemRef ref = FindItem(Current().menus.Find(handle), position, flags);
  if (!ref.menu) return static_cast<BOOL>(kNotFound);
  MenuItem& item = ref.item();
  UINT previous = item.flags & (MF_GRAYED | MF_DISABLED);
  item.flags = (item.flags & ~static_cast<UINT>(MF_GRAYED | MF_DISABLED)) |
               (flags & (MF_GRAYED | MF_DISABLED));
  return static_cast<BOOL>(previous);
}

int WINAPI GetMenuItemCount(HMENU handle) {
  Menu* menu = Current().menus.Require(handle);
  return menu ? static_cast<int>(menu->items.size()) : -1;
}

UINT WINAPI GetMenuItemID(HMENU handle, int position) {
  Menu* menu = Current().menus.Find(handle);
  if (!menu || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) {
    return kNotFound;
  }
  const MenuItem& item = menu->items[static_cast<std::size_t>(position)];
  return (item.flags & MF_POPUP) ? kNotFound : item.id;
}

UINT WINAPI GetMenuState(HMENU handle, UINT position, UINT flags) {
  ItemRef ref = FindItem(Current().menus.Find(handle), position, flags);
  if (!ref.menu) return kNotFound;
  const MenuItem& item = ref.item();
  UINT state = item.flags & kStateBits;
  if (item.flags & MF_POPUP) {
    // A pop-up reports the number of its items in the high byte.
    Menu* popup = Current().menus.Find(item.popup);
    UINT count = popup ? static_cast<UINT>(popup->items.size()) : 0;
    return (count << 8) | (state & 0xFF);
  }
  return state;
}

int WINAPI GetMenuStringA(HMENU handle, UINT position, LPSTR text, int size, UINT flags) {
  ItemRef ref = RequireItem(handle, position, flags);
  if (!ref.menu) return 0;
  const std::string& itemText = ref.item().text;
  if (!text || size <= 0) return static_cast<int>(itemText.size());
  std::size_t n = std::min<std::size_t>(itemText.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(text, itemText.data(), n);
  text[n] = '\0';
  return static_cast<int>(n);
}

BOOL WINAPI SetMenuDefaultItem(HMENU handle, UINT item, UINT byPosition) {
  Menu* menu = Current().menus.Require(handle);
  if (!menu) return FALSE;
  for (MenuItem& each : menu->items) each.flags &= ~static_cast<UINT>(MF_DEFAULT);
  if (item == kNotFound) return TRUE;
  ItemRef ref = FindItem(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  if (!ref.menu || ref.menu != menu) return FALSE;
  ref.item().flags |= MF_DEFAULT;
  return TRUE;
}
