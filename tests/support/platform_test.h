// The fixture of the platform tests. The tests speak the Windows API; the
// fixture supplies what differs between a headless run of the portable
// desktop and a real system: the run itself, the clock and the user.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32api.h"
#include "tests/support/test_user.h"

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

  TestUser& user() { return *user_; }
  // Writes a file at a Windows path, making its folders.
  void PutFile(const std::string& windowsPath, const std::string& bytes);
  // The program file's Windows path: what GetModuleFileNameA reports.
  std::string ProgramPath() const;

#ifndef _WIN32
  // The headless run (portable desktop only).
  desktop::HeadlessHost& headless();
  desktop::Session& session();
  // Resources the run's program carries (default: the test templates).
  virtual const desktop::ResourceSet* Resources();
  // The program file the run pretends to be.
  virtual std::string HeadlessProgramPath() const { return "C:\\Games\\Tessal\\Tessal.exe"; }
#endif

 private:
  std::unique_ptr<TestUser> user_;
  std::vector<std::string> classes_;
#ifndef _WIN32
  std::unique_ptr<desktop::Session> session_;
  desktop::HeadlessHost* host_ = nullptr;
#endif
};

// Dialog templates of the tests (res: tests/support/test_resources.*).
#define IDD_TEST_PLAIN 200     // popup, caption, OK and Cancel buttons
#define IDD_TEST_HIDDEN 201    // as 200 without WS_VISIBLE
#define IDD_TEST_NO_BUTTONS 202
#define IDD_TEST_PLACEHOLDER 210  // a static without an id of its own (-1)
#define IDC_TEST_TEXT 1001
// Menu 300: one pop-up "Test" with "&First", "Checked" (checked), a
// separator, "Greyed" (greyed) and the pop-up "More" holding "Inner".
#define IDR_TEST_MENU 300
#define IDM_TEST_FIRST 40001
#define IDM_TEST_CHECKED 40002
#define IDM_TEST_GRAYED 40003
#define IDM_TEST_INNER 40004
// Bitmaps of the tests (files in tests/support/fixtures, written from
// tests/support/test_resources.cpp). K is the key colour 0x5C5C5C.
#define IDB_TEST_PICTURE 300  // 4 x 3, 24 bits: K 0xC03020 0x2040E0 K / 0x102030 x 4 /
                              //                 0x102030 K 0x102030 0x102030
#define IDB_TEST_PALETTE 301  // 3 x 2, 8 bits: 0xFF0000 K 0x00FF00 / 0x00FF00 0x00FF00 0xFF0000
#define IDB_TEST_DEEP 302     // 2 x 1, 32 bits: 0x123456 0xABCDEF
#define IDB_TEST_MISSING 399  // no such bitmap
#ifndef _WIN32
const desktop::ResourceSet& TestResources();
#endif
