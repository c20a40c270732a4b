// The parts of the fixture that are the same everywhere.
#include "tests/support/platform_test.h"

void PlatformTest::TearDown() {
  for (const std::string& name : classes_) UnregisterClassA(name.c_str(), GetModuleHandleA(nullptr));
  classes_.clear();
}

void PlatformTest::Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void PlatformTest::Pass(DWORD ms) {
  for (DWORD step = 0; step < ms; step += 10) {
    user_->Advance(10);
    Pump();
  }
}

const char* PlatformTest::RegisterTestClass(const char* name, WNDPROC proc, int wndExtra) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  wc.cbWndExtra = wndExtra;
  wc.hInstance = GetModuleHandleA(nullptr);
  RegisterClassA(&wc);
  classes_.push_back(name);
  return name;
}

std::string PlatformTest::ProgramPath() const {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}
