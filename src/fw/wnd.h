// CWnd: a framework object bound to a window. The binding is made as the
// window is created (a creation hook subclasses it with the framework's
// window procedure), so the object sees every message from WM_NCCREATE to
// WM_NCDESTROY and routes it through its message map.
#pragma once

#include "fw/cmd_target.h"
#include "fw/string.h"
#include "fw/types.h"

// windowsx.h has a macro of this name; the member must not be hidden by it.
#undef SubclassWindow
class CMenu;
class CDC;

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }  // NOLINT: as callers expect

  // The object bound to a window; FromHandle gives a temporary wrapper for
  // windows the framework did not create (valid until the next idle time).
  static CWnd* FromHandle(HWND hwnd);
  static CWnd* FromHandlePermanent(HWND hwnd);
  static void DeleteTempMap();
  BOOL Attach(HWND hwnd);
  HWND Detach();
  // Binds an existing window to this object and routes its messages
  // through the framework; the window's own procedure becomes the default.
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);

  // Offered each queued message before it is dispatched; TRUE consumes it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Calls PreTranslateMessage from the message's window out through its
  // parents (and owners) up to `stop`.
  static BOOL WalkPreTranslateTree(HWND stop, MSG* pMsg);

  BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
  virtual BOOL DestroyWindow();

  // Window operations.
  BOOL ShowWindow(int command);
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  void GetClientRect(LPRECT rect) const;
  void GetWindowRect(LPRECT rect) const;
  void ClientToScreen(LPPOINT point) const;
  void ScreenToClient(LPPOINT point) const;
  void ScreenToClient(LPRECT rect) const;
  void CenterWindow(CWnd* alternateOwner = nullptr);
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsWindowVisible() const;
  BOOL IsIconic() const;
  BOOL IsZoomed() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
  BOOL KillTimer(UINT_PTR id);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void SetWindowText(LPCSTR text);
  void GetWindowText(CString& text) const;
  CWnd* GetParent() const;
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const;
  CWnd* SetFocus();
  static CWnd* GetFocus();
  HICON SetIcon(HICON icon, BOOL bigIcon);
  HICON GetIcon(BOOL bigIcon) const;
  // The window menu (a temporary wrapper); with `revert`, the standard one
  // comes back at the next call and this answers null.
  CMenu* GetSystemMenu(BOOL revert) const;
  BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
  BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);
  // A message box owned by this window; the caption defaults to the
  // application's name.
  int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);

  // Default processing of the message being handled now.
  LRESULT Default();

  // Hands the message being handled now back to the child window it is
  // about (a parent's WM_DRAWITEM to the button it draws); TRUE when the
  // child's object took it.
  static BOOL ReflectLastMsg(HWND child, LRESULT* result = nullptr);

  // A parent's draw request for this window, reflected (WM_DRAWITEM);
  // nothing by default.
  void OnDrawItem(int idCtl, LPDRAWITEMSTRUCT drawItem);

  // The brush a control (or the dialog itself) is painted with: the
  // default processing's.
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after the window is gone (WM_NCDESTROY); the object may delete itself here.
  virtual void PostNcDestroy() {}
  // Called while a new window is being attached to the object, before the
  // object hears its first message: the place to adjust its style.
  virtual void PreSubclassWindow() {}
  // A message the parent reflected to this window; TRUE when handled.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Looks the reflected message up in the map (under WM_REFLECT_BASE).
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  WNDPROC m_pfnSuper = nullptr;  // the window's procedure before the framework's

  DECLARE_MESSAGE_MAP()

 private:
  void FinishNcDestroy();
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);
};

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Binds the next window the thread creates to `wnd`.
void AfxHookWindowCreate(CWnd* wnd);
// Ends the binding; false when no window was bound.
bool AfxUnhookWindowCreate();
