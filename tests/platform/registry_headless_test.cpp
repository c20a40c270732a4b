// The machine hive for the two kinds of user a headless run can be, and a
// second run on the same machine.
#include <string>

#include "platform/desktop/session.h"
#include "tests/support/platform_test.h"

namespace {

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The machine's keys, for the two kinds of user the run can be.
class MachineKeyTest : public PlatformTest {};

TEST_F(MachineKeyTest, AStandardUserMayReadButNotWriteTheMachineKeysPortableOnly) {
  session().SetElevatedUser(false);
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_WRITE, &key), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_SET_VALUE, &key), ERROR_ACCESS_DENIED);
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(MachineKeyTest, AnElevatedUserWritesTheMachineKeysAndAnotherRunSeesThemPortableOnly) {
  session().SetElevatedUser(true);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_WRITE, &key), ERROR_SUCCESS);
  const BYTE data[] = "C:\\x.exe";
  EXPECT_EQ(RegSetValueExA(key, "X", 0, REG_SZ, data, sizeof data), ERROR_SUCCESS);
  RegCloseKey(key);

  desktop::SessionOptions options;  // a second run on the same machine
  options.rootFolder = session().rootFolder();
  desktop::Session second(std::move(options));
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
  BYTE buffer[MAX_PATH] = {};
  DWORD size = sizeof buffer;
  EXPECT_EQ(RegQueryValueExA(key, "X", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
  EXPECT_STREQ(reinterpret_cast<char*>(buffer), "C:\\x.exe");
  RegCloseKey(key);
}

}  // namespace
