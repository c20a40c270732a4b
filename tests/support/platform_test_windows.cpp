// The fixture on Windows: the real system, the real clock, and a test user
// that acts from a thread timer.
#include "tests/support/platform_test.h"
#include "tests/support/windows_test_user.h"

PlatformTest::PlatformTest() = default;
PlatformTest::~PlatformTest() = default;

void PlatformTest::SetUp() {
  user_ = std::make_unique<WindowsTestUser>();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void PlatformTest::PutFile(const std::string& windowsPath, const std::string& bytes) {
  for (std::size_t i = 3; i < windowsPath.size(); ++i) {
    if (windowsPath[i] == '\\') CreateDirectoryA(windowsPath.substr(0, i).c_str(), nullptr);
  }
  HANDLE file = CreateFileA(windowsPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << windowsPath;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}
