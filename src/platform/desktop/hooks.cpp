#include "platform/desktop/hooks.h"

#include <algorithm>

#include "platform/desktop/state.h"

using desktop::Current;

namespace desktop {

LRESULT CallHooks(int kind, int code, WPARAM wParam, LPARAM lParam) {
  State& s = Current();
  for (auto it = s.hooks.rbegin(); it != s.hooks.rend(); ++it) {
    if (it->kind == kind) return it->proc(code, wParam, lParam);
  }
  return 0;
}

}  // namespace desktop

HHOOK WINAPI SetWindowsHookExA(int kind, HOOKPROC proc, HINSTANCE, DWORD) {
  desktop::State& s = Current();
  if (!proc) {
    desktop::SetError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HHOOK handle = reinterpret_cast<HHOOK>(s.nextHook);
  s.nextHook += 4;
  s.hooks.push_back({handle, kind, proc});
  return handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
  desktop::State& s = Current();
  auto it = std::find_if(s.hooks.begin(), s.hooks.end(),
                         [hook](const desktop::Hook& h) { return h.handle == hook; });
  if (it == s.hooks.end()) {
    desktop::SetError(1404);  // ERROR_INVALID_HOOK_HANDLE
    return FALSE;
  }
  s.hooks.erase(it);
  return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  desktop::State& s = Current();
  auto it = std::find_if(s.hooks.begin(), s.hooks.end(),
                         [hook](const desktop::Hook& h) { return h.handle == hook; });
  if (it == s.hooks.end()) return 0;
  int kind = it->kind;
  while (it != s.hooks.begin()) {
    --it;
    if (it->kind == kind) return it->proc(code, wParam, lParam);
  }
  return 0;
}
