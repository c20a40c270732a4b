// Dialogs: creation from the program's templates, the dialog manager
// (IsDialogMessage), the default dialog procedure and the system's modal
// dialog loop.
#include <algorithm>

#include "platform/api/gdi_functions.h"
#include "platform/desktop/controls.h"
#include "platform/desktop/dialog_units.h"
#include "platform/desktop/frame_metrics.h"
#include "platform/desktop/startup_timings.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::Window;

namespace {

constexpr UINT kDialogKeyCode = 0x0087;  // WM_GETDLGCODE
constexpr LRESULT kWantAllKeys = 0x0004;  // DLGC_WANTALLKEYS, also DLGC_WANTMESSAGE

int Scale(int units, int base, int divisor) {
  // MulDiv rounding, as MapDialogRect does.
  long long product = static_cast<long long>(units) * base;
  return static_cast<int>((product + (product >= 0 ? divisor / 2 : -divisor / 2)) / divisor);
}

RECT ToPixels(const desktop::DialogState& d, int x, int y, int cx, int cy) {
  int left = Scale(x, d.baseUnitX, 4), top = Scale(y, d.baseUnitY, 8);
  return RECT{left, top, left + Scale(cx, d.baseUnitX, 4), top + Scale(cy, d.baseUnitY, 8)};
}

HWND FirstTabStop(HWND dialog) {
  desktop::State& s = Current();
  Window* w = s.Find(dialog);
  if (!w) return nullptr;
  for (HWND child : w->children) {
    Window* c = s.Find(child);
    if (c && (c->style & WS_TABSTOP) && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED)) {
      return child;
    }
  }
  return nullptr;
}

HWND CreateFromResource(const desktop::DialogResource& tmpl, HINSTANCE instance, HWND parent,
                        DLGPROC proc, LPARAM param) {
  desktop::State& s = Current();
  desktop::DialogState units;
  if (tmpl.style & DS_SETFONT) {
    desktop::BaseUnits base = desktop::DialogBaseUnits(tmpl.fontName, tmpl.pointSize);
    units.baseUnitX = base.x;
    units.baseUnitY = base.y;
    units.font = desktop::DialogFont(tmpl.fontName, tmpl.pointSize);
  } else {
    units.baseUnitX = 8;
    units.baseUnitY = 16;  // the system font
  }
  DWORD style = tmpl.style & ~static_cast<DWORD>(WS_VISIBLE);
  RECT client = ToPixels(units, tmpl.x, tmpl.y, tmpl.cx, tmpl.cy);
  RECT frame = desktop::WindowRectForClient(RECT{0, 0, client.right - client.left,
                                                 client.bottom - client.top},
                                            style, tmpl.exStyle, s.captionHeight);
  POINT pos{client.left, client.top};
  HWND owner = parent;
  if (!(style & WS_CHILD)) {
    if (owner) ClientToScreen(desktop::TopLevelOf(owner), &pos);
    // A top-level dialog stays on the screen.
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    pos.x = std::max(0, std::min<int>(pos.x, s.workArea.right - width));
    pos.y = std::max(0, std::min<int>(pos.y, s.workArea.bottom - height));
  }
  HWND hwnd = CreateWindowExA(tmpl.exStyle, "#32770", tmpl.caption.c_str(), style, pos.x, pos.y,
                              frame.right - frame.left, frame.bottom - frame.top, parent, nullptr,
                              instance, reinterpret_cast<LPVOID>(param));
  Window* w = s.Find(hwnd);
  if (!w) return nullptr;
  w->dialog = std::make_unique<desktop::DialogState>(units);
  w->dialog->templateId = tmpl.id;
  SetWindowLongPtrA(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));

  for (const desktop::DialogItemResource& item : tmpl.items) {
    RECT r = ToPixels(units, item.x, item.y, item.cx, item.cy);
    // Extended templates carry 32-bit control ids (-1 stays -1); plain ones 16-bit ids.
    LONG_PTR id = tmpl.extended ? item.id : (item.id & 0xFFFF);
    HWND control = CreateWindowExA(item.exStyle, item.className.c_str(), item.text.c_str(),
                                   item.style | WS_CHILD, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, hwnd,
                                   reinterpret_cast<HMENU>(id),
                                   instance, nullptr);
    if (!control) {
      // As on Windows, a control that cannot be made fails the dialog.
      DestroyWindow(hwnd);
      return nullptr;
    }
    if (units.font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(units.font), FALSE);
    if (item.imageId && item.className == "Static") {
      HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(item.imageId));
      if (icon) SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
  }
  if (units.font) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(units.font), FALSE);
  if (!IsWindow(hwnd)) return nullptr;
  HWND first = FirstTabStop(hwnd);
  LRESULT focusDefault = 0;
  {
    desktop::startup::Scope timing("dialog init (WM_INITDIALOG)");
    focusDefault = SendMessageA(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
  }
  if (!IsWindow(hwnd)) return nullptr;
  if (focusDefault && first && IsWindow(first)) SetFocus(first);
  if ((tmpl.style & WS_VISIBLE) && !(GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE)) {
    ShowWindow(hwnd, SW_SHOWNORMAL);
  }
  return hwnd;
}

const desktop::DialogResource* FindTemplate(LPCSTR name) {
  const desktop::ResourceSet* resources = Current().resources;
  if (!resources || !IS_INTRESOURCE(name)) return nullptr;
  return resources->FindDialog(LOWORD(reinterpret_cast<ULONG_PTR>(name)));
}

// The command Enter gives: the default push button's, or IDOK.
void PressDefault(HWND dialog) {
  LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
  HWND button = nullptr;
  if (HIWORD(def) == DC_HASDEFID) button = GetDlgItem(dialog, LOWORD(def));
  if (button && IsWindowEnabled(button)) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(def), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  } else {
    SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  }
}

// The dialog's background: the brush it answers to WM_CTLCOLORDLG, the face
// colour when it answers none.
bool EraseDialogBackground(HWND dialog, HDC dc) {
  if (!dc) return false;
  LRESULT answer = SendMessageA(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(dialog));
  HBRUSH brush = answer ? reinterpret_cast<HBRUSH>(answer) : GetSysColorBrush(COLOR_3DFACE);
  RECT client{};
  GetClientRect(dialog, &client);
  return FillRect(dc, &client, brush) != 0;
}

}  // namespace

namespace desktop {

DialogState* DialogOf(HWND hwnd) {
  Window* w = Current().Find(hwnd);
  return w ? w->dialog.get() : nullptr;
}

}  // namespace desktop

HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                               LPARAM param) {
  const desktop::DialogResource* tmpl = FindTemplate(templateName);
  if (!tmpl) {
    desktop::SetError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return CreateFromResource(*tmpl, instance, parent, proc, param);
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                               LPARAM param) {
  HWND owner = desktop::TopLevelOf(parent);
  bool disabledOwner = owner && IsWindowEnabled(owner);
  if (disabledOwner) EnableWindow(owner, FALSE);
  HWND dialog = CreateDialogParamA(instance, templateName, owner, proc, param);
  if (!dialog) {
    if (disabledOwner) EnableWindow(owner, TRUE);
    return -1;
  }
  INT_PTR result = desktop::RunDialogLoop(dialog);
  if (disabledOwner) EnableWindow(owner, TRUE);
  DestroyWindow(dialog);
  return result;
}

namespace desktop {

INT_PTR RunDialogLoop(HWND dialog) {
  MSG msg;
  for (;;) {
    DialogState* d = DialogOf(dialog);
    if (!d) return -1;
    if (d->ended) return d->result;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && !IsWindowVisible(dialog)) {
      ShowWindow(dialog, SW_SHOWNORMAL);  // a template without WS_VISIBLE shows when idle
    }
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return DialogOf(dialog) ? DialogOf(dialog)->result : -1;
    }
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

}  // namespace desktop

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  desktop::DialogState* d = desktop::DialogOf(dialog);
  if (!d) {
    desktop::SetError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  d->ended = true;
  d->result = result;
  desktop::Observer().DialogEnded(dialog);
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner) EnableWindow(owner, TRUE);
  bool wasActive = GetActiveWindow() == dialog;
  SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  if (wasActive && owner) SetActiveWindow(owner);
  PostMessageA(dialog, WM_NULL, 0, 0);  // wakes the loop that runs the dialog
  return TRUE;
}

BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg) {
  if (!IsWindow(dialog)) return FALSE;
  if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
  if (msg->message == WM_KEYDOWN) {
    LRESULT code = SendMessageA(msg->hwnd, kDialogKeyCode, msg->wParam, reinterpret_cast<LPARAM>(msg));
    bool controlWantsIt = (code & kWantAllKeys) != 0;
    if (!controlWantsIt) {
      switch (msg->wParam) {
        case VK_RETURN:
          PressDefault(dialog);
          return TRUE;
        case VK_ESCAPE:
          SendMessageA(dialog, WM_COMMAND, IDCANCEL,
                       reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
          return TRUE;
        default:
          break;
      }
    }
  }
  TranslateMessage(msg);
  DispatchMessageA(msg);
  return TRUE;
}

LRESULT WINAPI DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog, DWLP_DLGPROC));
  if (proc) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
    INT_PTR handled = proc(dialog, message, wParam, lParam);
    if (!IsWindow(dialog)) return handled;
    if (handled) {
      // These answers are the procedure's return value itself; the rest lie in DWLP_MSGRESULT.
      bool answerIsReturned = message == WM_INITDIALOG || message == WM_QUERYDRAGICON ||
                              desktop::IsControlColourMessage(message);
      return answerIsReturned ? handled : GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
    }
  }
  desktop::DialogState* d = desktop::DialogOf(dialog);
  switch (message) {
    case WM_CLOSE:
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return 0;
    case WM_SETFONT:
      if (d) d->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(d ? d->font : nullptr);
    case WM_ERASEBKGND:
      return EraseDialogBackground(dialog, reinterpret_cast<HDC>(wParam)) ? TRUE : FALSE;
    case DM_GETDEFID: {
      desktop::State& s = Current();
      if (Window* w = s.Find(dialog)) {
        for (HWND child : w->children) {
          Window* c = s.Find(child);
          if (c && (c->style & 0x0F) == BS_DEFPUSHBUTTON && c->cls->name == "Button") {
            return MAKELONG(c->id, DC_HASDEFID);
          }
        }
      }
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        HWND focus = GetFocus();
        if (!focus || !IsChild(dialog, focus)) {
          HWND first = FirstTabStop(dialog);
          SetFocus(first ? first : dialog);
        }
      }
      return 0;
    default:
      return DefWindowProcA(dialog, message, wParam, lParam);
  }
}

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
  desktop::DialogState* d = desktop::DialogOf(dialog);
  if (!d) {
    desktop::SetError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *rect = RECT{Scale(rect->left, d->baseUnitX, 4), Scale(rect->top, d->baseUnitY, 8),
               Scale(rect->right, d->baseUnitX, 4), Scale(rect->bottom, d->baseUnitY, 8)};
  return TRUE;
}
