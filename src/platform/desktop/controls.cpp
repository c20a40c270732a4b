// The system's window classes: the dialog class and the simple controls.
#include "platform/desktop/controls.h"
#include "platform/desktop/state.h"
#include "platform/desktop/web/web_browser.h"

using desktop::ControlFont;
using desktop::Current;
using desktop::Window;

namespace {

constexpr UINT kGetDialogCode = 0x0087;  // WM_GETDLGCODE
constexpr LRESULT kStaticCode = 0x0100;  // DLGC_STATIC

LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Current().Find(hwnd);
  if (!w) return 0;
  switch (message) {
    case WM_SETFONT:
    case WM_GETFONT: return ControlFont(*w, message, wParam);
    case kGetDialogCode: return kStaticCode;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

void AddSystemClass(desktop::State& state, const char* name, WNDPROC proc, int extra) {
  auto cls = std::make_unique<desktop::WindowClass>();
  cls->name = name;
  cls->proc = proc;
  cls->wndExtra = extra;
  cls->system = true;
  state.classes.push_back(std::move(cls));
}

}  // namespace

namespace desktop {

LRESULT ControlFont(Window& w, UINT message, WPARAM wParam) {
  if (message == WM_SETFONT) w.font = reinterpret_cast<HFONT>(wParam);
  return message == WM_GETFONT ? reinterpret_cast<LRESULT>(w.font) : 0;
}

void RegisterSystemClasses(State& state) {
  // The dialog class keeps the DWLP_* slots in its extra bytes.
  AddSystemClass(state, "#32770", DefDlgProcA, 3 * static_cast<int>(sizeof(LONG_PTR)));
  AddSystemClass(state, "Static", StaticProc, 0);
  AddSystemClass(state, "Button", ButtonProc, kButtonExtraBytes);
  AddSystemClass(state, web::kBrowserClassName, web::BrowserWindowProc, 0);
}

}  // namespace desktop
