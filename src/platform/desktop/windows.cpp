// Window classes, creation, destruction, relations and per-window data.
#include <strings.h>

#include <algorithm>
#include <cstring>

#include "platform/desktop/hooks.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/state.h"
#include "platform/desktop/gdi_internal.h"

using desktop::Current;
using desktop::SetError;
using desktop::Window;

namespace {

constexpr int kUseDefault = static_cast<int>(0x80000000);
constexpr DWORD kErrorClassAlreadyExists = 1410;
constexpr DWORD kErrorCannotFindClass = 1407;
constexpr DWORD kErrorTopLevelWithChildStyle = 1406;

std::string ClassNameOf(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
  return name;
}

void RemoveFromZOrder(std::vector<HWND>& order, HWND hwnd) {
  order.erase(std::remove(order.begin(), order.end(), hwnd), order.end());
}

// Styles Windows adds or removes on creation.
void NormaliseStyles(DWORD& style, DWORD& exStyle) {
  if (!(style & WS_CHILD)) {
    style |= WS_CLIPSIBLINGS;
    if (!(style & WS_POPUP)) style |= WS_CAPTION;
  }
  if ((exStyle & WS_EX_DLGMODALFRAME) ||
      (!(exStyle & WS_EX_STATICEDGE) && (style & (WS_DLGFRAME | WS_THICKFRAME)))) {
    exStyle |= WS_EX_WINDOWEDGE;
  } else {
    exStyle &= ~static_cast<DWORD>(WS_EX_WINDOWEDGE);
  }
}


void SendDestroy(HWND hwnd) {
  Window* w = Current().Find(hwnd);
  if (!w) return;
  w->destroying = true;
  desktop::Send(hwnd, WM_DESTROY, 0, 0);
  std::vector<HWND> children = w->children;
  for (HWND child : children) SendDestroy(child);
}

void SendNcDestroy(HWND hwnd) {
  Window* w = Current().Find(hwnd);
  if (!w) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) SendNcDestroy(child);
  desktop::Send(hwnd, WM_NCDESTROY, 0, 0);
}

void Forget(HWND hwnd) {
  desktop::State& s = Current();
  Window* w = s.Find(hwnd);
  if (!w) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) Forget(child);
  desktop::RemoveTimersOf(hwnd);
  desktop::DropQueuedMessagesFor(hwnd);
  desktop::ForgetMouseStateOf(hwnd);
  desktop::ReleaseWindowMenu(hwnd);
  desktop::RemoveNotifyIconsOf(hwnd);
  desktop::ReleaseWindowGraphics(*w);
  if (s.focus == hwnd) s.focus = nullptr;
  if (w->parent) {
    if (Window* parent = s.Find(w->parent)) RemoveFromZOrder(parent->children, hwnd);
  } else {
    RemoveFromZOrder(s.topLevels, hwnd);
  }
  s.windows.erase(reinterpret_cast<ULONG_PTR>(hwnd));
}

}  // namespace

namespace desktop {

HWND TopLevelOf(HWND hwnd) {
  State& s = Current();
  Window* w = s.Find(hwnd);
  while (w && w->parent) w = s.Find(w->parent);
  return w ? w->handle : nullptr;
}

}  // namespace desktop

ATOM WINAPI RegisterClassA(const WNDCLASSA* wc) {
  desktop::State& s = Current();
  std::string name = ClassNameOf(wc->lpszClassName);
  for (const auto& cls : s.classes) {
    if (!cls->system && strcasecmp(cls->name.c_str(), name.c_str()) == 0) {
      SetError(kErrorClassAlreadyExists);
      return 0;
    }
  }
  auto cls = std::make_unique<desktop::WindowClass>();
  cls->name = name;
  cls->proc = wc->lpfnWndProc;
  cls->style = wc->style;
  cls->wndExtra = wc->cbWndExtra;
  cls->background = wc->hbrBackground;
  cls->instance = wc->hInstance;
  // A program's class of the same name as a system class comes first.
  s.classes.insert(s.classes.begin(), std::move(cls));
  return static_cast<ATOM>(0xC000 + s.classes.size());
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE) {
  desktop::State& s = Current();
  std::string name = ClassNameOf(className);
  for (auto it = s.classes.begin(); it != s.classes.end(); ++it) {
    if (!(*it)->system && strcasecmp((*it)->name.c_str(), name.c_str()) == 0) {
      for (const auto& [key, w] : s.windows) {
        if (w->cls == it->get()) {
          SetError(1412);  // ERROR_CLASS_HAS_WINDOWS
          return FALSE;
        }
      }
      s.classes.erase(it);
      return TRUE;
    }
  }
  SetError(1411);  // ERROR_CLASS_DOES_NOT_EXIST
  return FALSE;
}

BOOL WINAPI GetClassInfoA(HINSTANCE, LPCSTR className, WNDCLASSA* wc) {
  const desktop::WindowClass* cls = Current().FindClass(ClassNameOf(className));
  if (!cls) {
    SetError(1411);
    return FALSE;
  }
  *wc = WNDCLASSA{};
  wc->style = cls->style;
  wc->lpfnWndProc = cls->proc;
  wc->cbWndExtra = cls->wndExtra;
  wc->hInstance = cls->instance;
  wc->hbrBackground = cls->background;
  wc->lpszClassName = className;
  return TRUE;
}

int WINAPI GetClassNameA(HWND hwnd, LPSTR name, int size) {
  Window* w = Current().Require(hwnd);
  if (!w || size <= 0) return 0;
  std::size_t n = std::min<std::size_t>(w->cls->name.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(name, w->cls->name.data(), n);
  name[n] = '\0';
  return static_cast<int>(n);
}

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
  desktop::State& s = Current();
  const desktop::WindowClass* cls = s.FindClass(ClassNameOf(className));
  if (!cls) {
    SetError(kErrorCannotFindClass);
    return nullptr;
  }
  if ((style & WS_CHILD) && !s.Find(parent)) {
    SetError(parent ? ERROR_INVALID_WINDOW_HANDLE : kErrorTopLevelWithChildStyle);
    return nullptr;
  }
  if (!(style & WS_CHILD) && parent && !s.Find(parent)) {
    SetError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  DWORD visible = style & WS_VISIBLE;
  style &= ~static_cast<DWORD>(WS_VISIBLE);
  NormaliseStyles(style, exStyle);

  if (x == kUseDefault) x = y = 0;
  if (width == kUseDefault) {
    width = s.screenWidth / 2;
    height = s.screenHeight / 2;
  }

  auto owned = std::make_unique<Window>();
  Window* w = owned.get();
  w->handle = s.NewHandle();
  w->cls = cls;
  w->proc = cls->proc;
  w->style = style;
  w->exStyle = exStyle;
  w->instance = instance;
  w->extra.assign(static_cast<std::size_t>(std::max(cls->wndExtra, 0)), 0);
  if (style & WS_CHILD) {
    w->parent = parent;
    w->id = static_cast<int>(reinterpret_cast<LONG_PTR>(menu));
  } else if (parent) {
    w->owner = desktop::TopLevelOf(parent);
  }
  w->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
  w->normalRect = w->rect;
  HWND hwnd = w->handle;
  s.windows[reinterpret_cast<ULONG_PTR>(hwnd)] = std::move(owned);
  if (w->parent) {
    // Children keep creation order, which is also the dialog's tab order.
    s.Find(w->parent)->children.push_back(hwnd);
  } else {
    s.topLevels.insert(s.topLevels.begin(), hwnd);
  }

  CREATESTRUCTA cs{param,  instance, menu, parent, height, width, y,
                   x,      static_cast<LONG>(style | visible), windowName, className, exStyle};
  CBT_CREATEWNDA cbt{&cs, HWND_TOP};
  if (desktop::CallHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd),
                         reinterpret_cast<LPARAM>(&cbt)) != 0) {
    Forget(hwnd);
    return nullptr;
  }
  if ((style & WS_THICKFRAME) || !(style & (WS_POPUP | WS_CHILD))) {
    MINMAXINFO info{};
    info.ptMaxSize = POINT{s.screenWidth, s.screenHeight};
    info.ptMaxTrackSize = info.ptMaxSize;
    desktop::Send(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  }
  if (!desktop::Send(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    DestroyWindow(hwnd);
    SetError(1400);
    return nullptr;
  }
  if (!s.Find(hwnd)) return nullptr;
  w->client = desktop::CalculateClient(*w);
  if (desktop::Send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!(w = s.Find(hwnd))) return nullptr;
  if (visible) {
    w->sizeUnsent = true;  // the show's WM_WINDOWPOSCHANGED brings them
  } else {
    desktop::Send(hwnd, WM_SIZE, SIZE_RESTORED,
                  MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    if (!(w = s.Find(hwnd))) return nullptr;
    desktop::Send(hwnd, WM_MOVE, 0,
                  MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
  }
  if (!s.Find(hwnd)) return nullptr;
  if (visible) {
    int command = (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                  : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                                          : SW_SHOW;
    ShowWindow(hwnd, command);
  }
  return hwnd;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
  desktop::State& s = Current();
  Window* w = s.Require(hwnd);
  if (!w) return FALSE;
  if (w->destroying) return TRUE;
  desktop::CallHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0);
  if (!(w = s.Find(hwnd))) return TRUE;
  desktop::Observer().WindowDestroying(hwnd);
  if (!(w = s.Find(hwnd))) return TRUE;
  if (w->style & WS_VISIBLE) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Owned windows go first, as on Windows.
  if (!w->parent) {
    std::vector<HWND> owned;
    for (const auto& [key, other] : s.windows) {
      if (other->owner == hwnd && !other->destroying) owned.push_back(other->handle);
    }
    for (HWND other : owned) DestroyWindow(other);
  }
  bool wasActive = s.active == hwnd;
  HWND owner = s.Find(hwnd) ? s.Find(hwnd)->owner : nullptr;
  if (!w->parent && !w->messageBox) desktop::Log("window \"" + w->text + "\" destroyed");
  SendDestroy(hwnd);
  SendNcDestroy(hwnd);
  Forget(hwnd);  // also drops the focus when it was in the tree
  if (wasActive || s.active == hwnd) {
    s.active = nullptr;
    if (owner && IsWindowVisible(owner)) desktop::ActivateWindow(owner);
  }
  return TRUE;
}

BOOL WINAPI IsWindow(HWND hwnd) { return Current().Find(hwnd) != nullptr; }

BOOL WINAPI IsWindowVisible(HWND hwnd) {
  desktop::State& s = Current();
  for (Window* w = s.Find(hwnd); w; w = s.Find(w->parent)) {
    if (!(w->style & WS_VISIBLE)) return FALSE;
    if (!w->parent) return TRUE;
  }
  return FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND hwnd) {
  Window* w = Current().Find(hwnd);
  return w && !(w->style & WS_DISABLED);
}

BOOL WINAPI IsIconic(HWND hwnd) {
  Window* w = Current().Find(hwnd);
  return w && (w->style & WS_MINIMIZE);
}

BOOL WINAPI IsZoomed(HWND hwnd) {
  Window* w = Current().Find(hwnd);
  return w && (w->style & WS_MAXIMIZE);
}

BOOL WINAPI IsChild(HWND parent, HWND hwnd) {
  desktop::State& s = Current();
  Window* w = s.Find(hwnd);
  while (w && w->parent) {
    if (w->parent == parent) return TRUE;
    w = s.Find(w->parent);
  }
  return FALSE;
}

HWND WINAPI GetParent(HWND hwnd) {
  Window* w = Current().Require(hwnd);
  if (!w) return nullptr;
  // A child's parent, or a top-level window's owner.
  return (w->style & WS_CHILD) ? w->parent : w->owner;
}

HWND WINAPI GetWindow(HWND hwnd, UINT relation) {
  desktop::State& s = Current();
  Window* w = s.Require(hwnd);
  if (!w) return nullptr;
  if (relation == GW_OWNER) return w->parent ? nullptr : w->owner;
  if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  const std::vector<HWND>& siblings = w->parent ? s.Find(w->parent)->children : s.topLevels;
  auto it = std::find(siblings.begin(), siblings.end(), hwnd);
  switch (relation) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return (it + 1) == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == siblings.begin() ? nullptr : *(it - 1);
    default: SetError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

HWND WINAPI GetDesktopWindow() { return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x10010 - 2)); }

LONG WINAPI GetWindowLongA(HWND hwnd, int index) {
  Window* w = Current().Require(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWL_STYLE: return static_cast<LONG>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
    case GWL_ID: return w->id;
    default: break;
  }
  if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG) <= w->extra.size()) {
    LONG value;
    std::memcpy(&value, w->extra.data() + index, sizeof value);
    return value;
  }
  SetError(1413);  // ERROR_INVALID_INDEX
  return 0;
}

LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value) {
  Window* w = Current().Require(hwnd);
  if (!w) return 0;
  LONG old = GetWindowLongA(hwnd, index);
  switch (index) {
    case GWL_STYLE: w->style = static_cast<DWORD>(value); return old;
    case GWL_EXSTYLE: w->exStyle = static_cast<DWORD>(value); return old;
    case GWL_ID: w->id = value; return old;
    default: break;
  }
  if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG) <= w->extra.size()) {
    std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
  }
  SetError(1413);
  return 0;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index) {
  Window* w = Current().Require(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_USERDATA: return w->userData;
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner);
    case GWL_STYLE:
    case GWL_EXSTYLE:
    case GWL_ID: return GetWindowLongA(hwnd, index);
    default: break;
  }
  if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
    LONG_PTR value;
    std::memcpy(&value, w->extra.data() + index, sizeof value);
    return value;
  }
  SetError(1413);
  return 0;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  Window* w = Current().Require(hwnd);
  if (!w) return 0;
  LONG_PTR old = GetWindowLongPtrA(hwnd, index);
  switch (index) {
    case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); return old;
    case GWLP_USERDATA: w->userData = value; return old;
    case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); return old;
    case GWLP_HWNDPARENT:
      if (!w->parent) w->owner = reinterpret_cast<HWND>(value);
      return old;
    case GWL_STYLE:
    case GWL_EXSTYLE:
    case GWL_ID: return SetWindowLongA(hwnd, index, static_cast<LONG>(value));
    default: break;
  }
  if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
    std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
  }
  SetError(1413);
  return 0;
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
  if (!Current().Require(hwnd)) return FALSE;
  return static_cast<BOOL>(desktop::Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextA(HWND hwnd, LPSTR text, int size) {
  if (size > 0) text[0] = '\0';
  if (!Current().Require(hwnd) || size <= 0) return 0;
  return static_cast<int>(
      desktop::Send(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextLengthA(HWND hwnd) {
  if (!Current().Require(hwnd)) return 0;
  return static_cast<int>(desktop::Send(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
  desktop::State& s = Current();
  Window* w = s.Require(dialog);
  if (!w) return nullptr;
  for (HWND child : w->children) {
    if (Window* c = s.Find(child); c && c->id == id) return child;
  }
  SetError(1421);  // ERROR_CONTROL_ID_NOT_FOUND
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hwnd) {
  Window* w = Current().Require(hwnd);
  return (w && w->parent) ? w->id : 0;
}

LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam,
                               LPARAM lParam) {
  if (!proc) return 0;
  return proc(hwnd, message, wParam, lParam);
}
