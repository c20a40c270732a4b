// The machine prepared before the program starts: the program file with its
// record, the Run key's values, the URL cache and the profile's files.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/desktop/codepage.h"
#include "platform/desktop/session.h"
#include "platform/desktop/url_cache_store.h"
#include "platform/win32api.h"
#include "tools/pack/pack.h"
#include "tools/sim/scenario.h"
#include "tools/sim/setup.h"

namespace {

class SetupTest : public ::testing::Test {
 protected:
  desktop::Session session_;

  std::string RunValue(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
      return "(no key)";
    }
    char data[260] = {};
    DWORD size = sizeof data, type = 0;
    LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ) return "(no value)";
    return data;
  }
};

TEST_F(SetupTest, ProgramFileCarriesTheStartPageOrNone) {
  sim::Scenario s = sim::ParseScenario(
      R"({"program": "C:\\Spiele\\Tessal.exe", "start_page": "http://login.test/登录"})", ".");
  sim::ApplySetup(s, session_);
  std::string real = session_.RealPath("C:\\Spiele\\Tessal.exe");
  EXPECT_EQ(tessal_pack::Read(real).out, "record: http://login.test/登录\n");

  sim::Scenario none = sim::ParseScenario(R"({"program": "C:\\Spiele\\Tessal.exe"})", ".");
  sim::ApplySetup(none, session_);  // a second run on the same root: no record now
  EXPECT_EQ(tessal_pack::Read(real).out, "no record\n");
}

TEST_F(SetupTest, RunValuesCacheEntriesAndFilesAreInPlace) {
  sim::Scenario s = sim::ParseScenario(R"({"setup": {
      "registry": {"Tessal": "C:\\Games\\Tessal\\Tessal.exe", "其他": "C:\\其他.exe"},
      "cache": [{"url": "http://x.test/a.png"}, {"url": "Cookie:player@x.test/", "cookie": true}],
      "cache_files": ["Content.IE5/", "Content.IE5/a.png", "desktop.ini"],
      "desktop_files": {"paths": ["Tessal.lnk", "dir/"], "readonly": ["locked.lnk", "dir/"]}
    }})", ".");
  sim::ApplySetup(s, session_);
  EXPECT_EQ(RunValue("Tessal"), "C:\\Games\\Tessal\\Tessal.exe");
  EXPECT_EQ(RunValue(desktop::Utf8ToCp936("其他")), desktop::Utf8ToCp936("C:\\其他.exe"));

  const auto* page = session_.urlCache().FindByUrl("http://x.test/a.png");
  const auto* cookie = session_.urlCache().FindByUrl("Cookie:player@x.test/");
  ASSERT_TRUE(page && cookie);
  EXPECT_FALSE(page->type & COOKIE_CACHE_ENTRY);
  EXPECT_TRUE(cookie->type & COOKIE_CACHE_ENTRY);

  char folder[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_INTERNET_CACHE, FALSE));
  std::string cache = folder;
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOPDIRECTORY, FALSE));
  std::string desktopFolder = folder;
  const struct {
    std::string path;
    DWORD expected;  // directory and read-only bits
  } files[] = {
      {cache + "\\Content.IE5", FILE_ATTRIBUTE_DIRECTORY},
      {cache + "\\Content.IE5\\a.png", 0},
      {cache + "\\desktop.ini", 0},
      {desktopFolder + "\\Tessal.lnk", 0},
      {desktopFolder + "\\locked.lnk", FILE_ATTRIBUTE_READONLY},
      {desktopFolder + "\\dir", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY},
  };
  for (const auto& f : files) {
    DWORD attributes = GetFileAttributesA(f.path.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << f.path;
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY), f.expected) << f.path;
  }
  // Read-only means the program cannot delete it.
  EXPECT_FALSE(DeleteFileA((desktopFolder + "\\locked.lnk").c_str()));
}

}  // namespace
