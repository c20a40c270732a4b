#include "tests/support/platform_test.h"

#include <filesystem>
#include <fstream>

#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"

PlatformTest::PlatformTest() = default;
PlatformTest::~PlatformTest() = default;

void PlatformTest::SetUp() {
  desktop::SessionOptions options;
  auto host = std::make_unique<desktop::HeadlessHost>();
  user_ = host.get();
  options.host = std::move(host);
  options.resources = Resources();
  options.programPath = ProgramPath();
  session_ = std::make_unique<desktop::Session>(std::move(options));
}

void PlatformTest::TearDown() {
  for (const std::string& name : classes_) UnregisterClassA(name.c_str(), nullptr);
  session_.reset();
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
  RegisterClassA(&wc);
  classes_.push_back(name);
  return name;
}

desktop::HeadlessHost& PlatformTest::user() { return *user_; }
desktop::Session& PlatformTest::session() { return *session_; }

std::string PlatformTest::PutFile(const std::string& windowsPath, const std::string& bytes) {
  std::string real = session_->RealPath(windowsPath);
  std::filesystem::create_directories(std::filesystem::path(real).parent_path());
  std::ofstream(real, std::ios::binary) << bytes;
  return real;
}

const desktop::ResourceSet* PlatformTest::Resources() { return &TestResources(); }
