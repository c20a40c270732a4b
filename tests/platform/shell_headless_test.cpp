// What the run chooses and records for the shell: the version reported,
// the ShellExecute calls, and special folders that are missing.
#include <filesystem>

#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "tests/support/platform_test.h"

namespace {

class ShellHeadlessTest : public PlatformTest {};

TEST_F(ShellHeadlessTest, TheVersionIsTheOneTheRunChose) {
  for (auto [major, minor] : {std::pair<DWORD, DWORD>{6, 1}, {10, 0}}) {
    session().SetWindowsVersion(major, minor, 7601);
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(version.dwMajorVersion, major);
    EXPECT_EQ(version.dwMinorVersion, minor);
  }
}

TEST_F(ShellHeadlessTest, ShellExecuteIsRecordedAndFailsForAMissingLocalFile) {
  PutFile("C:\\Games\\Tessal\\Tessal.exe", "MZ");
  auto result = [](HINSTANCE h) { return reinterpret_cast<INT_PTR>(h); };
  EXPECT_GT(result(ShellExecuteA(nullptr, "open", "http://forum.example/", nullptr, nullptr,
                                 SW_SHOWNORMAL)),
            32);
  EXPECT_GT(result(ShellExecuteA(nullptr, "taskbarpin", "C:\\Games\\Tessal\\Tessal.exe", nullptr,
                                 nullptr, SW_SHOWNORMAL)),
            32);
  EXPECT_EQ(result(ShellExecuteA(nullptr, "taskbarpin", "C:\\Missing.lnk", "p", "C:\\", SW_HIDE)),
            SE_ERR_FNF);
  ASSERT_EQ(session().shellExecutes().size(), 3u);
  const auto& last = session().shellExecutes()[2];
  EXPECT_EQ(last.verb, "taskbarpin");
  EXPECT_EQ(last.file, "C:\\Missing.lnk");
  EXPECT_EQ(last.parameters, "p");
  EXPECT_EQ(last.directory, "C:\\");
  EXPECT_EQ(last.show, SW_HIDE);
}

TEST_F(ShellHeadlessTest, AMissingSpecialFolderIsCreatedOnlyWhenAsked) {
  session().SetSpecialFolder(CSIDL_INTERNET_CACHE, "C:\\users\\other\\Cache");
  char path[MAX_PATH] = {};
  EXPECT_FALSE(SHGetSpecialFolderPathA(nullptr, path, CSIDL_INTERNET_CACHE, FALSE));
  LPITEMIDLIST items = nullptr;
  EXPECT_TRUE(FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_INTERNET_CACHE, &items)));
  EXPECT_EQ(items, nullptr);
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, path, CSIDL_INTERNET_CACHE, TRUE));
  EXPECT_STREQ(path, "C:\\users\\other\\Cache");
  EXPECT_TRUE(std::filesystem::is_directory(session().RealPath(path)));
}

// A host that notes the addresses it is asked to show in the user's browser.
class BrowserOpeningHost : public desktop::HeadlessHost {
 public:
  explicit BrowserOpeningHost(std::vector<std::string>* opened) : opened_(opened) {}
  void OpenWebAddress(const std::string& address) override { opened_->push_back(address); }

 private:
  std::vector<std::string>* opened_;
};

TEST(ShellExecuteHostTest, OnlyWebAddressesOpenedWithTheDefaultVerbReachTheHost) {
  std::vector<std::string> opened;
  desktop::SessionOptions options;
  options.host = std::make_unique<BrowserOpeningHost>(&opened);
  desktop::Session session(std::move(options));
  struct Case {
    const char* verb;
    const char* file;
  };
  for (Case c : {Case{"open", "http://pay.example/?a=1"}, Case{nullptr, "HTTPS://bbs.example/"},
                 Case{"open", "file:///etc/passwd"}, Case{"open", "javascript:alert(1)"},
                 Case{"open", "C:\\Windows\\notepad.exe"}, Case{"print", "http://print.example/"},
                 Case{"open", "http://"}, Case{"open", "httpx://odd.example/"}}) {
    ShellExecuteA(nullptr, c.verb, c.file, nullptr, nullptr, SW_SHOWNORMAL);
  }
  EXPECT_EQ(opened, (std::vector<std::string>{"http://pay.example/?a=1", "HTTPS://bbs.example/"}));
  EXPECT_EQ(session.shellExecutes().size(), 8u);  // every call is still recorded
}

}  // namespace
