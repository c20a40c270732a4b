// The seams a display host keeps the desktop's services through, driven by
// the program's own code and the Windows API on a headless run whose host
// answers as the GTK host does: shortcuts saved become launchers, the Run
// keys' values follow the autostart entries both ways, and clearing the
// cache removes the web engine's data but its cookies.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "desktop/browser_cache.h"
#include "desktop/shortcuts.h"
#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "platform/desktop/url_cache_store.h"
#include "platform/desktop/xdg/xdg_services.h"
#include "platform/win32api.h"
#include "tests/xdg/user_folders.h"

namespace {

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// A host with the display host's services and a web engine's data of two
// sites, each with data and cookies.
class ServicesHost : public desktop::HeadlessHost {
 public:
  void ShortcutSaved(const std::string& linkPath, const desktop::ShellLinkFields& link) override {
    xdg_.ShortcutSaved(linkPath, link);
  }
  void StartupCommandSet(const std::string& name, const std::string& command) override {
    xdg_.StartupCommandSet(name, command);
  }
  void StartupCommandDeleted(const std::string& name) override { xdg_.StartupCommandDeleted(name); }
  std::optional<desktop::StartupEntryState> StartupEntry(const std::string& name) override {
    return xdg_.StartupEntry(name);
  }
  std::vector<desktop::WebsiteDataEntry> WebsiteData() override {
    std::vector<desktop::WebsiteDataEntry> listed;
    for (const std::string& url : websiteData) {
      listed.push_back({url, url.rfind("Cookie:", 0) == 0 ? DWORD{COOKIE_CACHE_ENTRY} : DWORD{NORMAL_CACHE_ENTRY}});
    }
    return listed;
  }
  bool RemoveWebsiteData(const std::string& url) override {
    removed.push_back(url);
    return std::erase(websiteData, url) == 1;
  }

  std::vector<std::string> websiteData{"http://a.test/", "Cookie:player@a.test/", "http://b.test/",
                                       "Cookie:player@b.test/"};
  std::vector<std::string> removed;

 private:
  desktop::xdg::XdgServices xdg_;
};

class DisplayServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = user_.home() + "/games/tessal";
    TemporaryUserFolders::Write(program_, "program");
    programOnZ_ = "Z:" + program_;
    for (char& c : programOnZ_) if (c == '/') c = '\\';
    auto host = std::make_unique<ServicesHost>();
    host_ = host.get();
    desktop::SessionOptions options;
    options.host = std::move(host);
    options.programPath = programOnZ_;
    session_ = std::make_unique<desktop::Session>(std::move(options));
    session_->SetElevatedUser(true);
  }
  HKEY OpenRun(HKEY root, REGSAM access) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(root, kRun, 0, access, &key), ERROR_SUCCESS);
    return key;
  }
  LSTATUS SetValue(HKEY root, const std::string& data) {
    HKEY key = OpenRun(root, KEY_WRITE);
    LSTATUS status = RegSetValueExA(key, "Tessal", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                    static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
    return status;
  }
  // The value's data, or "(none)".
  std::string QueryValue(HKEY root) {
    HKEY key = OpenRun(root, KEY_QUERY_VALUE);
    char data[MAX_PATH] = {};
    DWORD size = sizeof data;
    LSTATUS status = RegQueryValueExA(key, "Tessal", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? data : "(none)";
  }
  LSTATUS DeleteValue(HKEY root) {
    HKEY key = OpenRun(root, KEY_WRITE);
    LSTATUS status = RegDeleteValueA(key, "Tessal");
    RegCloseKey(key);
    return status;
  }
  std::string Autostart() const { return user_.home() + "/config/autostart/Tessal.desktop"; }

  TemporaryUserFolders user_;
  std::string program_, programOnZ_;
  ServicesHost* host_ = nullptr;
  std::unique_ptr<desktop::Session> session_;
};

TEST_F(DisplayServicesTest, TheProgramsShortcutsBecomeLaunchersAndTheLinkFilesStay) {
  ASSERT_EQ(CreateDesktopShortcut("Tessal", programOnZ_.c_str(), "C:\\users\\player"), 1);
  ASSERT_EQ(CreateQuickLaunchShortcut("Tessal", programOnZ_.c_str(), "C:\\users\\player"), 1);
  EXPECT_NE(GetFileAttributesA("C:\\users\\player\\Desktop\\Tessal.lnk"), INVALID_FILE_ATTRIBUTES);
  std::string desktopLauncher = user_.home() + "/Desktop/Tessal.desktop";
  std::string application = user_.home() + "/data/applications/Tessal.desktop";
  for (const std::string& launcher : {desktopLauncher, application}) {
    std::string text = TemporaryUserFolders::Read(launcher);
    EXPECT_NE(text.find("\nExec=" + program_ + "\n"), std::string::npos) << launcher << "\n" << text;
    // The working folder on drive C: is the run's own folder.
    EXPECT_NE(text.find("\nPath=" + session_->rootFolder() + "/c/users/player\n"), std::string::npos) << text;
  }
}

TEST_F(DisplayServicesTest, TheRunValuesAreMirroredAsTheAutostartEntry) {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    ASSERT_EQ(SetValue(root, programOnZ_), ERROR_SUCCESS);
    EXPECT_NE(TemporaryUserFolders::Read(Autostart()).find("\nExec=" + program_ + "\n"), std::string::npos);
    EXPECT_EQ(QueryValue(root), programOnZ_);
    ASSERT_EQ(DeleteValue(root), ERROR_SUCCESS);
    EXPECT_FALSE(TemporaryUserFolders::Exists(Autostart()));
    EXPECT_EQ(QueryValue(root), "(none)");
  }
}

TEST_F(DisplayServicesTest, TheRunValueFollowsTheEntryTheUserRemovedOrAnEarlierRunWrote) {
  ASSERT_EQ(SetValue(HKEY_LOCAL_MACHINE, programOnZ_), ERROR_SUCCESS);
  // Removed in the desktop's settings: the value is gone too.
  std::remove(Autostart().c_str());
  EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE), "(none)");
  EXPECT_EQ(DeleteValue(HKEY_LOCAL_MACHINE), ERROR_FILE_NOT_FOUND);

  // Written by a run with another registry: the value is there, with the
  // command the entry was written for, and deleting it removes the entry.
  desktop::xdg::XdgServices().StartupCommandSet("Tessal", "\"" + programOnZ_ + "\" --quiet");
  EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE), "\"" + programOnZ_ + "\" --quiet");
  ASSERT_TRUE(TemporaryUserFolders::Exists(Autostart()));
  std::remove(Autostart().c_str());
  desktop::xdg::XdgServices().StartupCommandSet("Tessal", programOnZ_);
  EXPECT_EQ(DeleteValue(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
  EXPECT_FALSE(TemporaryUserFolders::Exists(Autostart()));
}

TEST_F(DisplayServicesTest, ClearingTheCacheRemovesTheEnginesDataButItsCookies) {
  // An entry of the URL cache's own goes as before.
  session_->urlCache().Add({"http://own.test/page", NORMAL_CACHE_ENTRY, "", ""});
  ClearBrowserCache();
  EXPECT_EQ(host_->removed, (std::vector<std::string>{"http://a.test/", "http://b.test/"}));
  EXPECT_EQ(host_->websiteData, (std::vector<std::string>{"Cookie:player@a.test/", "Cookie:player@b.test/"}));
  EXPECT_EQ(session_->urlCache().FindByUrl("http://own.test/page"), nullptr);
  // What the engine no longer lists is not listed again.
  EXPECT_FALSE(DeleteUrlCacheEntry("http://a.test/"));
  DWORD size = 0;
  FindFirstUrlCacheEntryA(nullptr, nullptr, &size);
  EXPECT_EQ(session_->urlCache().size(), 2u);
}

}  // namespace
