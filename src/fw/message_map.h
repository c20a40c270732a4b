// Message maps: a static table per class that routes window messages and
// command ids to member handlers, falling back to the base class's table.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     ON_WM_TIMER()
//     ON_COMMAND(1000, &CMyDlg::OnClose)
//   END_MESSAGE_MAP()
//
// Each entry carries a small function that casts the target to the class
// and calls the handler with the message's parameters unpacked.
#pragma once

#include "platform/win32api.h"

class CCmdTarget;

using AFX_PMSG_INVOKE = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // the window message, or WM_COMMAND for commands
  UINT nCode;     // the notification code of a command
  UINT nID;       // first command id
  UINT nLastID;   // last command id (equal to nID for one command)
  AFX_PMSG_INVOKE pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define CN_COMMAND 0

// A message a parent hands back to the child it is about (WM_DRAWITEM and
// its kind), looked up in the child's map under this offset.
#define WM_REFLECT_BASE 0xBC00

#define DECLARE_MESSAGE_MAP()                  \
 protected:                                    \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                            \
  {0, 0, 0, 0, nullptr}                                                              \
  }                                                                                  \
  ;                                                                                  \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
  return &messageMap;                                                                \
  }

#define AFX_TARGET(t) static_cast<ThisClass*>(t)

// Commands (menu items, buttons, accelerators).
#define ON_COMMAND(id, memberFxn)                                              \
  {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id),       \
   [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {                              \
     (AFX_TARGET(t)->*(memberFxn))();                                          \
     return 0;                                                                 \
   }},
#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND(id, memberFxn)

// Any message, with the raw parameters: LRESULT OnMessage(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                                   \
  {static_cast<UINT>(message), 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT { \
     return (AFX_TARGET(t)->*(memberFxn))(w, l);                                        \
   }},

// Window messages with unpacked parameters, named after their handlers.
#define ON_WM_TIMER()                                                            \
  {WM_TIMER, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {           \
     AFX_TARGET(t)->OnTimer(static_cast<UINT_PTR>(w));                           \
     return 0;                                                                   \
   }},
#define ON_WM_PAINT()                                                            \
  {WM_PAINT, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {             \
     AFX_TARGET(t)->OnPaint();                                                   \
     return 0;                                                                   \
   }},
#define ON_WM_CLOSE()                                                            \
  {WM_CLOSE, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {             \
     AFX_TARGET(t)->OnClose();                                                   \
     return 0;                                                                   \
   }},
#define ON_WM_DESTROY()                                                          \
  {WM_DESTROY, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {           \
     AFX_TARGET(t)->OnDestroy();                                                 \
     return 0;                                                                   \
   }},
#define ON_WM_SYSCOMMAND()                                                       \
  {WM_SYSCOMMAND, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {    \
     AFX_TARGET(t)->OnSysCommand(static_cast<UINT>(w), l);                       \
     return 0;                                                                   \
   }},
#define ON_WM_QUERYDRAGICON()                                                    \
  {WM_QUERYDRAGICON, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {     \
     return reinterpret_cast<LRESULT>(AFX_TARGET(t)->OnQueryDragIcon());         \
   }},
#define ON_WM_LBUTTONDOWN()                                                      \
  {WM_LBUTTONDOWN, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {   \
     AFX_TARGET(t)->OnLButtonDown(static_cast<UINT>(w),                          \
                                  CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));     \
     return 0;                                                                   \
   }},
#define ON_WM_SIZE()                                                             \
  {WM_SIZE, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {          \
     AFX_TARGET(t)->OnSize(static_cast<UINT>(w), LOWORD(l), HIWORD(l));          \
     return 0;                                                                   \
   }},
// The rectangle being dragged (screen coordinates) may be changed in place.
#define ON_WM_SIZING()                                                           \
  {WM_SIZING, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {        \
     AFX_TARGET(t)->OnSizing(static_cast<UINT>(w), reinterpret_cast<LPRECT>(l)); \
     return TRUE;                                                                \
   }},
#define ON_WM_ACTIVATE()                                                         \
  {WM_ACTIVATE, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {      \
     AFX_TARGET(t)->OnActivate(LOWORD(w), CWnd::FromHandle(reinterpret_cast<HWND>(l)), \
                               HIWORD(w));                                       \
     return 0;                                                                   \
   }},
#define ON_WM_DRAWITEM()                                                         \
  {WM_DRAWITEM, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {      \
     AFX_TARGET(t)->OnDrawItem(static_cast<int>(w), reinterpret_cast<LPDRAWITEMSTRUCT>(l)); \
     return TRUE;                                                                \
   }},
#define ON_WM_MOUSEMOVE()                                                        \
  {WM_MOUSEMOVE, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {     \
     AFX_TARGET(t)->OnMouseMove(static_cast<UINT>(w),                            \
                                CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));       \
     return 0;                                                                   \
   }},
#define ON_WM_LBUTTONUP()                                                        \
  {WM_LBUTTONUP, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {     \
     AFX_TARGET(t)->OnLButtonUp(static_cast<UINT>(w),                            \
                                CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));       \
     return 0;                                                                   \
   }},
#define ON_WM_MOUSEHOVER()                                                       \
  {WM_MOUSEHOVER, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {    \
     AFX_TARGET(t)->OnMouseHover(static_cast<UINT>(w),                           \
                                 CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));      \
     return 0;                                                                   \
   }},
#define ON_WM_MOUSELEAVE()                                                       \
  {WM_MOUSELEAVE, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {        \
     AFX_TARGET(t)->OnMouseLeave();                                              \
     return 0;                                                                   \
   }},
#define ON_WM_SETCURSOR()                                                        \
  {WM_SETCURSOR, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {     \
     return AFX_TARGET(t)->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(w)), \
                                       LOWORD(l), HIWORD(l));                    \
   }},
#define ON_WM_ERASEBKGND()                                                       \
  {WM_ERASEBKGND, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {       \
     return AFX_TARGET(t)->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(w))); \
   }},
#define ON_WM_ENABLE()                                                           \
  {WM_ENABLE, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {          \
     AFX_TARGET(t)->OnEnable(static_cast<BOOL>(w));                              \
     return 0;                                                                   \
   }},
#define ON_WM_CREATE()                                                           \
  {WM_CREATE, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {          \
     return AFX_TARGET(t)->OnCreate(reinterpret_cast<LPCREATESTRUCTA>(l));       \
   }},
// Both forms: the plain one's rectangle is where the parameters' first is.
#define ON_WM_NCCALCSIZE()                                                       \
  {WM_NCCALCSIZE, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {    \
     AFX_TARGET(t)->OnNcCalcSize(static_cast<BOOL>(w),                           \
                                 reinterpret_cast<NCCALCSIZE_PARAMS*>(l));       \
     return 0;                                                                   \
   }},
#define ON_WM_NCPAINT()                                                          \
  {WM_NCPAINT, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {           \
     AFX_TARGET(t)->OnNcPaint();                                                 \
     return 0;                                                                   \
   }},
#define ON_WM_NCACTIVATE()                                                       \
  {WM_NCACTIVATE, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {      \
     return AFX_TARGET(t)->OnNcActivate(static_cast<BOOL>(w));                   \
   }},
// Every control-colour message, with its CTLCOLOR_* kind.
#define AFX_CTLCOLOR_ENTRY(message, kind)                                        \
  {message, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {          \
     return reinterpret_cast<LRESULT>(AFX_TARGET(t)->OnCtlColor(                 \
         CDC::FromHandle(reinterpret_cast<HDC>(w)),                              \
         CWnd::FromHandle(reinterpret_cast<HWND>(l)), kind));                    \
   }},
#define ON_WM_CTLCOLOR()                                                         \
  AFX_CTLCOLOR_ENTRY(WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX)                         \
  AFX_CTLCOLOR_ENTRY(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)                             \
  AFX_CTLCOLOR_ENTRY(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)                       \
  AFX_CTLCOLOR_ENTRY(WM_CTLCOLORBTN, CTLCOLOR_BTN)                               \
  AFX_CTLCOLOR_ENTRY(WM_CTLCOLORDLG, CTLCOLOR_DLG)                               \
  AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR)                   \
  AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)
#define ON_WM_NCHITTEST()                                                        \
  {WM_NCHITTEST, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {       \
     return AFX_TARGET(t)->OnNcHitTest(CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l))); \
   }},
#define ON_WM_NCLBUTTONDOWN()                                                    \
  {WM_NCLBUTTONDOWN, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT { \
     AFX_TARGET(t)->OnNcLButtonDown(static_cast<UINT>(w),                        \
                                    CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));   \
     return 0;                                                                   \
   }},
#define ON_WM_NCLBUTTONUP()                                                      \
  {WM_NCLBUTTONUP, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {   \
     AFX_TARGET(t)->OnNcLButtonUp(static_cast<UINT>(w),                          \
                                  CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));     \
     return 0;                                                                   \
   }},
#define ON_WM_NCMOUSEMOVE()                                                      \
  {WM_NCMOUSEMOVE, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {   \
     AFX_TARGET(t)->OnNcMouseMove(static_cast<UINT>(w),                          \
                                  CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));     \
     return 0;                                                                   \
   }},
