// The registry: values written, read with the size protocol and deleted.
#include <cstring>
#include <string>

#include "tests/support/platform_test.h"

namespace {

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class RegistryTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kRun, 0, KEY_WRITE | KEY_QUERY_VALUE, &key_),
              ERROR_SUCCESS);
    RegDeleteValueA(key_, "TessalTest");
  }
  void TearDown() override {
    RegDeleteValueA(key_, "TessalTest");
    RegCloseKey(key_);
    PlatformTest::TearDown();
  }
  HKEY key_ = nullptr;
};

TEST_F(RegistryTest, AValueIsWrittenReadBackWithItsSizeAndDeletedOnce) {
  const char data[] = "C:\\Games\\Tessal\\Tessal.exe";
  ASSERT_EQ(RegSetValueExA(key_, "TessalTest", 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                           sizeof data),
            ERROR_SUCCESS);
  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExA(key_, "tessaltest", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, sizeof data);  // the terminator counts

  BYTE small[4];
  size = sizeof small;
  EXPECT_EQ(RegQueryValueExA(key_, "TessalTest", nullptr, nullptr, small, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, sizeof data);
  BYTE buffer[MAX_PATH] = {};
  size = sizeof buffer;
  EXPECT_EQ(RegQueryValueExA(key_, "TessalTest", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
  EXPECT_STREQ(reinterpret_cast<char*>(buffer), data);

  EXPECT_EQ(RegDeleteValueA(key_, "TessalTest"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueA(key_, "TessalTest"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueExA(key_, "TessalTest", nullptr, nullptr, buffer, &size),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, AKeyOpenedForReadingRefusesWrites) {
  HKEY reading = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kRun, 0, KEY_QUERY_VALUE, &reading), ERROR_SUCCESS);
  const BYTE data[] = "x";
  EXPECT_EQ(RegSetValueExA(reading, "TessalTest", 0, REG_SZ, data, sizeof data),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegCloseKey(reading), ERROR_SUCCESS);
}

TEST_F(RegistryTest, AMissingKeyCannotBeOpened) {
  HKEY missing = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tessal Nowhere\\Deeper", 0,
                          KEY_QUERY_VALUE, &missing),
            ERROR_FILE_NOT_FOUND);
}

}  // namespace
