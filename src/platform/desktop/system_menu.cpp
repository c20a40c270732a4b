// The window menu: each window's own copy, made on first use with the
// standard items, its items greyed by the window's style and state, and
// opened by the system (Alt+Space, the taskbar) with its choice posted as
// WM_SYSCOMMAND.
#include "platform/desktop/frame_metrics.h"
#include "platform/desktop/state.h"

using desktop::Current;

namespace {

struct StandardItem {
  UINT command;  // 0: a separator
  const char* text;
};

const StandardItem kStandardItems[] = {
    {SC_RESTORE, "&Restore"},  {SC_MOVE, "&Move"},         {SC_SIZE, "&Size"},
    {SC_MINIMIZE, "Mi&nimize"}, {SC_MAXIMIZE, "Ma&ximize"}, {0, nullptr},
    {SC_CLOSE, "&Close\tAlt+F4"},
};

HMENU MakeWindowMenu(HWND hwnd) {
  HMENU menu = CreatePopupMenu();
  for (const StandardItem& item : kStandardItems) {
    if (item.command) {
      AppendMenuA(menu, MF_STRING, item.command, item.text);
    } else {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
  }
  SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
  Current().menus.Find(menu)->systemMenuOf = hwnd;
  desktop::UpdateWindowMenu(hwnd, menu);
  return menu;
}

void Grey(HMENU menu, UINT command, bool grey) {
  EnableMenuItem(menu, command, MF_BYCOMMAND | (grey ? MF_GRAYED : MF_ENABLED));
}

// Where Alt+Space opens the menu: under the caption, at the client area's left.
POINT KeyboardMenuPoint(const desktop::Window& w) {
  RECT window;
  GetWindowRect(w.handle, &window);
  int frame = desktop::FrameWidth(w.style, w.exStyle);
  int caption = (w.style & WS_CAPTION) == WS_CAPTION ? Current().captionHeight : 0;
  return POINT{window.left + frame, window.top + frame + caption};
}

}  // namespace

namespace desktop {

void UpdateWindowMenu(HWND hwnd, HMENU menu) {
  Window* w = Current().Find(hwnd);
  if (!w) return;
  DWORD style = w->style;
  bool minimised = style & WS_MINIMIZE, maximised = style & WS_MAXIMIZE;
  Grey(menu, SC_SIZE, !(style & WS_THICKFRAME) || minimised || maximised);
  Grey(menu, SC_MOVE, maximised);
  Grey(menu, SC_MINIMIZE, !(style & WS_MINIMIZEBOX) || minimised);
  Grey(menu, SC_MAXIMIZE, !(style & WS_MAXIMIZEBOX) || maximised);
  Grey(menu, SC_RESTORE, !minimised && !maximised);
}

void OpenWindowMenu(HWND hwnd, POINT at) {
  HWND top = TopLevelOf(hwnd);
  HMENU menu = GetSystemMenu(top, FALSE);
  if (!menu) return;
  TrackMenu(menu, 0, at, top, true);
}

void OpenWindowMenuFromKeyboard(HWND hwnd) {
  Window* w = Current().Find(TopLevelOf(hwnd));
  if (w) OpenWindowMenu(w->handle, KeyboardMenuPoint(*w));
}

void ReleaseWindowMenu(HWND hwnd) {
  State& s = Current();
  Window* w = s.Find(hwnd);
  if (!w || !w->systemMenu) return;
  s.menus.Destroy(w->systemMenu);
  w->systemMenu = nullptr;
}

}  // namespace desktop

HMENU WINAPI GetSystemMenu(HWND hwnd, BOOL revert) {
  desktop::Window* w = Current().Require(hwnd);
  if (!w) return nullptr;
  if (revert) {
    desktop::ReleaseWindowMenu(hwnd);
    return nullptr;
  }
  if (!w->systemMenu && (w->style & WS_SYSMENU)) w->systemMenu = MakeWindowMenu(hwnd);
  return w->systemMenu;
}
