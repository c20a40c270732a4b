// The fixture of the platform tests. The tests speak the Windows API; the
// fixture supplies what differs between a headless run of the portable
// desktop and a real system: the run itself, the clock and the user.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32api.h"

namespace desktop {
class HeadlessHost;
class Session;
struct ResourceSet;
}  // namespace desktop

class PlatformTest : public ::testing::Test {
 public:
  PlatformTest();
  ~PlatformTest() override;

 protected:
  void SetUp() override;
  void TearDown() override;

  // Delivers every message that is due now, the way a message loop would.
  void Pump();
  // Lets `ms` of the clock pass, delivering messages as they fall due.
  void Pass(DWORD ms);

  // A window class whose procedure is `proc`, unregistered at the end.
  const char* RegisterTestClass(const char* name, WNDPROC proc, int wndExtra = 0);

  // The headless user and run (portable desktop only).
  desktop::HeadlessHost& user();
  desktop::Session& session();
  // Writes a file at a Windows path of the run; returns its real path.
  std::string PutFile(const std::string& windowsPath, const std::string& bytes);

  // Resources the run's program carries (default: the test templates).
  virtual const desktop::ResourceSet* Resources();
  // The program file's Windows path.
  virtual std::string ProgramPath() { return "C:\\Games\\Tessal\\Tessal.exe"; }

 private:
  std::unique_ptr<desktop::Session> session_;
  desktop::HeadlessHost* user_ = nullptr;
  std::vector<std::string> classes_;
};

// Dialog templates of the tests.
#define IDD_TEST_PLAIN 200     // popup, caption, OK and Cancel buttons
#define IDD_TEST_HIDDEN 201    // as 200 without WS_VISIBLE
#define IDD_TEST_NO_BUTTONS 202
const desktop::ResourceSet& TestResources();
