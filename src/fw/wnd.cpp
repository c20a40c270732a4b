#include "fw/wnd.h"

#include <algorithm>
#include <map>
#include <memory>

#include "fw/app.h"
#include "fw/menu.h"

namespace {

struct ThreadState {
  std::map<HWND, CWnd*> permanent;
  std::map<HWND, std::unique_ptr<CWnd>> temporary;
  CWnd* wndInit = nullptr;
  HHOOK createHook = nullptr;
  MSG current{};  // the message being handled, for Default()
};

ThreadState& State() {
  static ThreadState state;
  return state;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_DRAWITEM()
END_MESSAGE_MAP()

CWnd::~CWnd() {
  if (m_hWnd && ::IsWindow(m_hWnd)) {
    ::DestroyWindow(m_hWnd);  // the window goes with its object
  }
  if (m_hWnd) Detach();
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  auto it = State().permanent.find(hwnd);
  return it == State().permanent.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (CWnd* wnd = FromHandlePermanent(hwnd)) return wnd;
  auto& temp = State().temporary[hwnd];
  if (!temp) {
    temp = std::make_unique<CWnd>();
    temp->m_hWnd = hwnd;
  }
  return temp.get();
}

void CWnd::DeleteTempMap() {
  CMenu::DeleteTempMap();
  for (auto& [hwnd, wnd] : State().temporary) wnd->m_hWnd = nullptr;
  State().temporary.clear();
}

BOOL CWnd::Attach(HWND hwnd) {
  if (!hwnd || m_hWnd) return FALSE;
  m_hWnd = hwnd;
  State().permanent[hwnd] = this;
  State().temporary.erase(hwnd);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (hwnd) {
    auto it = State().permanent.find(hwnd);
    if (it != State().permanent.end() && it->second == this) State().permanent.erase(it);
  }
  m_hWnd = nullptr;
  return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!::IsWindow(hwnd) || !Attach(hwnd)) return FALSE;
  auto old = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (old != &AfxWndProc) m_pfnSuper = old;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (!parent || !parent->m_hWnd) return FALSE;
  HWND item = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
  return item ? SubclassWindow(item) : FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* pMsg) {
  for (HWND hwnd = pMsg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    if (CWnd* wnd = FromHandlePermanent(hwnd); wnd && wnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hwnd == stop) break;
  }
  return FALSE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU idOrMenu, LPVOID param) {
  AfxHookWindowCreate(this);
  HWND hwnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent,
                                idOrMenu, AfxGetInstanceHandle(), param);
  AfxUnhookWindowCreate();
  return hwnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (!wnd) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  ThreadState& s = State();
  MSG saved = s.current;
  s.current = MSG{hwnd, message, wParam, lParam, 0, {0, 0}};
  LRESULT result = wnd->WindowProc(message, wParam, lParam);
  s.current = saved;
  if (message == WM_NCDESTROY) wnd->FinishNcDestroy();
  return result;
}

void CWnd::FinishNcDestroy() {
  // Hand the window back to its own procedure, then let the object go.
  if (m_pfnSuper && ::IsWindow(m_hWnd)) {
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  }
  m_pfnSuper = nullptr;
  Detach();
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);  // the main window is gone: so is the program's loop
  }
  PostNcDestroy();
}

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  ThreadState& s = State();
  if (code == HCBT_CREATEWND && s.wndInit) {
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    CWnd* wnd = s.wndInit;
    s.wndInit = nullptr;
    wnd->Attach(hwnd);
    wnd->PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc) wnd->m_pfnSuper = old;
  }
  return ::CallNextHookEx(s.createHook, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* wnd) {
  ThreadState& s = State();
  if (!s.createHook) {
    s.createHook = ::SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
  }
  s.wndInit = wnd;
}

bool AfxUnhookWindowCreate() {
  ThreadState& s = State();
  if (s.createHook) {
    ::UnhookWindowsHookEx(s.createHook);
    s.createHook = nullptr;
  }
  bool bound = s.wndInit == nullptr;
  s.wndInit = nullptr;
  return bound;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *result = 1;
    return TRUE;
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message);
  if (!entry) return FALSE;
  *result = entry->pfn(this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)); }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

LRESULT CWnd::Default() {
  const MSG& m = State().current;
  return DefWindowProc(m.message, m.wParam, m.lParam);
}

BOOL CWnd::ReflectLastMsg(HWND child, LRESULT* result) {
  CWnd* wnd = FromHandlePermanent(child);
  if (!wnd) return FALSE;
  const MSG& m = State().current;
  LRESULT ignored = 0;
  return wnd->OnChildNotify(m.message, m.wParam, m.lParam, result ? result : &ignored);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_DRAWITEM: {
      const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_REFLECT_BASE + message);
      if (!entry) return FALSE;
      *result = entry->pfn(this, wParam, lParam);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT drawItem) {
  if (drawItem && ReflectLastMsg(drawItem->hwndItem)) return;
  Default();
}

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
void CWnd::ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
void CWnd::ScreenToClient(LPRECT rect) const {
  POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
  ::ScreenToClient(m_hWnd, &corners[0]);
  ::ScreenToClient(m_hWnd, &corners[1]);
  *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  CRect area;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  CRect center = area;
  DWORD style = GetStyle();
  if (style & WS_CHILD) {
    HWND parent = ::GetParent(m_hWnd);
    ::GetClientRect(parent, &area);
    center = area;
  } else {
    // Over the owner when it is on screen, otherwise on the work area.
    HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &center);
  }
  CRect window;
  GetWindowRect(&window);
  int left = (center.left + center.right) / 2 - window.Width() / 2;
  int top = (center.top + center.bottom) / 2 - window.Height() / 2;
  if (!(style & WS_CHILD)) {
    left = std::max<int>(area.left, std::min<int>(left, area.right - window.Width()));
    top = std::max<int>(area.top, std::min<int>(top, area.bottom - window.Height()));
  }
  SetWindowPos(nullptr, left, top, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const {
  return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL ModifyLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT flags) {
  DWORD style = static_cast<DWORD>(::GetWindowLongA(hwnd, index));
  DWORD changed = (style & ~remove) | add;
  if (style == changed) return FALSE;
  ::SetWindowLongA(hwnd, index, static_cast<LONG>(changed));
  if (flags) {
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
  }
  return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
  return ModifyLong(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
  return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) {
  return ::SetTimer(m_hWnd, id, elapse, proc);
}
BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }

void CWnd::GetWindowText(CString& text) const {
  int length = ::GetWindowTextLengthA(m_hWnd);
  ::GetWindowTextA(m_hWnd, text.GetBuffer(length + 1), length + 1);
  text.ReleaseBuffer();
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL bigIcon) const {
  return reinterpret_cast<HICON>(
      ::SendMessageA(m_hWnd, WM_GETICON, bigIcon ? ICON_BIG : ICON_SMALL, 0));
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
  return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert));
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
  placement->length = sizeof(WINDOWPLACEMENT);
  return ::GetWindowPlacement(m_hWnd, placement);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement) {
  return ::SetWindowPlacement(m_hWnd, placement);
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
  if (!caption) caption = AfxGetApp() ? AfxGetApp()->m_pszAppName : nullptr;
  return ::MessageBoxA(m_hWnd, text, caption, type);
}
