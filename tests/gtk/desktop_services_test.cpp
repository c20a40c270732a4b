// The desktop's services on the GTK host, through the program's own code:
// a desktop shortcut becomes a launcher, the Run value an autostart entry
// (and back), and clearing the cache after a page stored local storage and
// a cookie leaves the cookie only, in WebKit itself.
#include <gio/gdesktopappinfo.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/browser_cache.h"
#include "desktop/shortcuts.h"
#include "platform/desktop/display_host.h"
#include "platform/desktop/gtk/gtk_host.h"
#include "platform/desktop/session.h"
#include "platform/desktop/xdg/desktop_entry.h"
#include "tests/gtk/browser_host_dialog.h"
#include "tests/gtk/display_test.h"

namespace {

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string Read(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

// This test program as the program would see itself: a real file on drive Z:.
std::string OwnFile() {
  char buffer[PATH_MAX] = {};
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::string OnDriveZ(std::string real) {
  for (char& c : real) if (c == '/') c = '\\';
  return "Z:" + real;
}

class DesktopServicesTest : public DisplayTest {
 protected:
  const desktop::ResourceSet* Resources() override { return BrowserHostResources(); }
  void SetUp() override {
    DisplayTest::SetUp();
    config_ = std::getenv("XDG_CONFIG_HOME");
    desktopFolder_ = config_ + "/../desktop-folder";
    std::filesystem::create_directories(config_);
    std::ofstream(config_ + "/user-dirs.dirs") << "XDG_DESKTOP_DIR=\"" << desktopFolder_ << "\"\n";
  }
  std::string Call(CHtmlCtrl& browser, const char* name) {
    VARIANT result = browser.CallScriptFunction(name, CStringArray());
    std::string text = Utf8Text(result);
    VariantClear(&result);
    return text;
  }
  LSTATUS RunValue(bool set, const std::string& data = "") {
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_WRITE, &key);
    if (status != ERROR_SUCCESS) return status;
    status = set ? RegSetValueExA(key, "TessalProbe", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                  static_cast<DWORD>(data.size() + 1))
                 : RegDeleteValueA(key, "TessalProbe");
    RegCloseKey(key);
    return status;
  }

  std::string config_, desktopFolder_;
};

TEST_F(DesktopServicesTest, ADesktopShortcutIsALauncherAndTheRunValueAnAutostartEntry) {
  std::string program = OwnFile();
  ASSERT_FALSE(program.empty());
  ASSERT_EQ(CreateDesktopShortcut("TessalProbe", OnDriveZ(program).c_str(), "C:\\users\\player"), 1);
  std::string launcher = desktopFolder_ + "/TessalProbe.desktop";
  EXPECT_NE(Read(launcher).find("\nExec=" + program + "\n"), std::string::npos) << Read(launcher);

  // The user of a display run may write the machine's Run key.
  desktop::SessionOptions display;
  ASSERT_TRUE(desktop::UseDisplayHost(display));
  EXPECT_TRUE(display.elevatedUser);
  desktop::Session::Current().SetElevatedUser(display.elevatedUser);
  std::string autostart = config_ + "/autostart/TessalProbe.desktop";
  ASSERT_EQ(RunValue(true, OnDriveZ(program)), ERROR_SUCCESS);
  EXPECT_NE(Read(autostart).find("\nExec=" + program + "\n"), std::string::npos) << Read(autostart);
  ASSERT_EQ(RunValue(false), ERROR_SUCCESS);
  EXPECT_FALSE(Exists(autostart));
}

TEST_F(DesktopServicesTest, GioStartsALauncherWithEveryArgumentAsItWasGiven) {
  std::string out = config_ + "/../launched arguments.txt";
  std::vector<std::string> arguments{"a b", "q\"uote", "back\\slash", "100%", "$HOME", "it's", "", "~"};
  desktop::xdg::DesktopEntry entry;
  entry.name = "Arguments";
  entry.command = {"/bin/sh", "-c", "for a in \"$@\"; do printf '[%s]' \"$a\"; done > \"$0\"", out};
  entry.command.insert(entry.command.end(), arguments.begin(), arguments.end());
  std::string launcher = config_ + "/../launchers/arguments.desktop";
  ASSERT_TRUE(desktop::xdg::WriteLauncherFile(launcher, desktop::xdg::DesktopEntryText(entry)));

  GDesktopAppInfo* info = g_desktop_app_info_new_from_filename(launcher.c_str());
  ASSERT_NE(info, nullptr) << "GIO does not read " << launcher;
  EXPECT_STREQ(g_app_info_get_name(G_APP_INFO(info)), "Arguments");
  GError* error = nullptr;
  EXPECT_TRUE(g_app_info_launch(G_APP_INFO(info), nullptr, nullptr, &error))
      << (error ? error->message : "");
  if (error) g_error_free(error);
  g_object_unref(info);
  std::string expected;
  for (const std::string& argument : arguments) expected += "[" + argument + "]";
  EXPECT_TRUE(PumpUntil([&] { return Read(out) == expected; }, 10000)) << Read(out);
}

TEST_F(DesktopServicesTest, ClearingTheCacheLeavesNoLocalStorageButKeepsTheCookie) {
  SiteServer site;
  CWinApp app;
  app.SetCurrentHandles(GetModuleHandleA(nullptr));
  BrowserHostDialog dialog;
  ASSERT_TRUE(dialog.Create(kBrowserHostDialog));
  std::string page = site.Address("storage.html");
  dialog.browser.Navigate2(page.c_str());
  ASSERT_TRUE(PumpUntil([&] { return dialog.browser.completed.size() >= 1; }));
  ASSERT_EQ(Call(dialog.browser, "store"), "stored");
  ASSERT_EQ(Call(dialog.browser, "stored"), "yes|player=kept");
  // WebKit's storage takes the writes in its own time.
  ASSERT_TRUE(PumpUntil([&] {
    for (const desktop::WebsiteDataEntry& entry : host().WebsiteData()) {
      if (entry.cp936Url == "http://127.0.0.1/") return true;
    }
    return false;
  }));

  ClearBrowserCache();
  // Right after: WebKit keeps the cookie and nothing else.
  std::vector<std::string> left;
  for (const desktop::WebsiteDataEntry& entry : host().WebsiteData()) left.push_back(entry.cp936Url);
  EXPECT_EQ(left, std::vector<std::string>{"Cookie:player@127.0.0.1/"});
  // The page loaded again finds no local storage but the cookie.
  dialog.browser.Navigate2(page.c_str());
  ASSERT_TRUE(PumpUntil([&] { return dialog.browser.completed.size() >= 2; }));
  EXPECT_EQ(Call(dialog.browser, "stored"), "none|player=kept");
  dialog.DestroyWindow();
}

}  // namespace
