// The system's window classes: the dialog class and the simple controls.
#include "platform/desktop/controls.h"

#include <cstring>

#include "platform/api/gdi_functions.h"
#include "platform/desktop/state.h"
#include "platform/desktop/web/web_browser.h"

using desktop::ControlFont;
using desktop::Current;
using desktop::Window;

namespace {

constexpr UINT kGetDialogCode = 0x0087;  // WM_GETDLGCODE
constexpr LRESULT kStaticCode = 0x0100;  // DLGC_STATIC

// STM_SETICON: the icon an SS_ICON static shows; the previous one back.
LRESULT SetStaticIcon(Window& w, HICON icon) {
  HICON old = desktop::StaticIcon(w);
  if (w.extra.size() >= sizeof icon) std::memcpy(w.extra.data(), &icon, sizeof icon);
  InvalidateRect(w.handle, nullptr, TRUE);
  return reinterpret_cast<LRESULT>(old);
}

LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Current().Find(hwnd);
  if (!w) return 0;
  switch (message) {
    case WM_SETFONT:
    case WM_GETFONT: return ControlFont(*w, message, wParam);
    case kGetDialogCode: return kStaticCode;
    case STM_SETICON: return SetStaticIcon(*w, reinterpret_cast<HICON>(wParam));
    case STM_GETICON: return reinterpret_cast<LRESULT>(desktop::StaticIcon(*w));
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return TRUE;  // painting fills the background
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      desktop::PaintStatic(hwnd, dc);
      EndPaint(hwnd, &paint);
      return 0;
    }
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

HICON StaticIcon(const Window& w) {
  HICON icon = nullptr;
  if (w.extra.size() >= sizeof icon) std::memcpy(&icon, w.extra.data(), sizeof icon);
  return icon;
}

void RegisterSystemClasses(State& state) {
  // The dialog class keeps the DWLP_* slots in its extra bytes.
  AddSystemClass(state, "#32770", DefDlgProcA, 3 * static_cast<int>(sizeof(LONG_PTR)));
  AddSystemClass(state, "Static", StaticProc, kStaticExtraBytes);
  AddSystemClass(state, "Button", ButtonProc, kButtonExtraBytes);
  AddSystemClass(state, web::kBrowserClassName, web::BrowserWindowProc, 0);
}

}  // namespace desktop
