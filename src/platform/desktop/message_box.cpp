// Message boxes: a small dialog window with the text and its buttons, run
// in the system's own modal loop while its owner is disabled.
#include "platform/desktop/dialog_units.h"
#include "platform/desktop/host.h"
#include "platform/desktop/input.h"
#include "platform/desktop/state.h"

using desktop::Current;

namespace {

constexpr int kTextId = 0xFFFF;

struct ButtonSet {
  UINT type;
  int ids[3];
};

const ButtonSet kButtonSets[] = {
    {MB_OK, {IDOK, 0, 0}},
    {MB_OKCANCEL, {IDOK, IDCANCEL, 0}},
    {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}},
    {MB_YESNO, {IDYES, IDNO, 0}},
    {2 /* MB_ABORTRETRYIGNORE */, {IDABORT, IDRETRY, IDIGNORE}},
    {5 /* MB_RETRYCANCEL */, {IDRETRY, IDCANCEL, 0}},
};

const ButtonSet& ButtonsFor(UINT type) {
  for (const ButtonSet& set : kButtonSets) {
    if (set.type == (type & MB_TYPEMASK)) return set;
  }
  return kButtonSets[0];
}

bool HasButton(HWND box, int id) { return GetDlgItem(box, id) != nullptr; }

INT_PTR CALLBACK MessageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND) return FALSE;
  int id = LOWORD(wParam);
  if (HasButton(box, id)) {
    EndDialog(box, id);
  } else if (id == IDCANCEL && HasButton(box, IDOK) && !HasButton(box, IDYES)) {
    EndDialog(box, IDOK);  // Esc closes a box that has only OK
  }
  return TRUE;
}

constexpr int kBoxWidth = 360;
constexpr int kBoxHeight = 140;

HWND CreateBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  // Like Windows, the box opens in the middle of the work area, wherever its owner is.
  const RECT& work = Current().workArea;
  int x = work.left + (work.right - work.left - kBoxWidth) / 2;
  int y = work.top + (work.bottom - work.top - kBoxHeight) / 2;
  HWND box = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, "#32770", caption.c_str(),
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, x, y, kBoxWidth,
                             kBoxHeight, owner, nullptr, nullptr, nullptr);
  if (!box) return nullptr;
  desktop::Window* w = Current().Find(box);
  w->messageBox = true;
  w->dialog = std::make_unique<desktop::DialogState>();
  SetWindowLongPtrA(box, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(MessageBoxProc));
  CreateWindowExA(0, "Static", text.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 16, 16, 320, 40,
                  box, reinterpret_cast<HMENU>(static_cast<LONG_PTR>(kTextId)), nullptr, nullptr);
  int buttonX = 16;
  bool first = true;
  for (int id : ButtonsFor(type).ids) {
    if (!id) continue;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (first ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    CreateWindowExA(0, "Button", desktop::MessageBoxButtonName(id).c_str(), style, buttonX, 72, 88,
                    26, box, reinterpret_cast<HMENU>(static_cast<LONG_PTR>(id)), nullptr, nullptr);
    buttonX += 100;
    first = false;
  }
  return box;
}

}  // namespace

namespace desktop {

int DefaultMessageBoxButton(HWND box) {
  for (int id : {IDOK, IDYES, IDABORT, IDRETRY}) {
    if (HWND button = GetDlgItem(box, id)) {
      if ((GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) return id;
    }
  }
  return IDOK;
}

std::string MessageBoxButtonName(int id) {
  switch (id) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "Abort";
    case IDRETRY: return "Retry";
    case IDIGNORE: return "Ignore";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return std::to_string(id);
  }
}

}  // namespace desktop

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  desktop::State& s = Current();
  HWND top = desktop::TopLevelOf(owner);
  std::string boxCaption = caption ? caption : "Error";
  std::string boxText = text ? text : "";
  HWND box = CreateBox(top, boxText, boxCaption, type);
  if (!box) return 0;

  std::size_t index = s.boxes.size();
  s.boxes.push_back(desktop::MessageBoxRecord{top, box, boxCaption, boxText, type, 0,
                                              s.host->Now(), 0, true});
  desktop::Log("message box [" + boxCaption + "]: " + boxText);

  bool disabledOwner = top && IsWindowEnabled(top);
  if (disabledOwner) EnableWindow(top, FALSE);
  ShowWindow(box, SW_SHOWNORMAL);
  s.host->MessageBoxOpened(box);
  INT_PTR result = desktop::RunDialogLoop(box);
  if (disabledOwner) EnableWindow(top, TRUE);
  DestroyWindow(box);
  if (top && IsWindowVisible(top)) SetActiveWindow(top);

  desktop::MessageBoxRecord& record = s.boxes[index];
  record.result = static_cast<int>(result);
  record.closedAt = s.host->Now();
  record.open = false;
  desktop::Log("message box closed with " + desktop::MessageBoxButtonName(record.result));
  desktop::Observer().MessageBoxClosed(record);
  return record.result;
}
