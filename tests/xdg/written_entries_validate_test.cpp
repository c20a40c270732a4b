// Every kind of entry the program writes on a Linux desktop (launchers on
// the desktop and in the applications menu, autostart entries) is one that
// desktop-file-validate accepts without errors or warnings, also with
// awkward names, program paths and arguments.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/desktop/codepage.h"
#include "platform/desktop/session.h"
#include "platform/desktop/xdg/xdg_services.h"
#include "tests/xdg/desktop_file_validator.h"
#include "tests/xdg/user_folders.h"

namespace {

constexpr char kDesktop[] = "C:\\users\\player\\Desktop\\";
constexpr char kQuickLaunch[] =
    "C:\\users\\player\\AppData\\Roaming\\Microsoft\\Internet Explorer\\Quick Launch\\";

// A real UTF-8 path as the program sees it: on drive Z:, in code page 936.
std::string OnDriveZ(std::string real) {
  for (char& c : real)
    if (c == '/') c = '\\';
  return "Z:" + desktop::Utf8ToCp936(real);
}

struct Case {
  std::string name;       // UTF-8: the shortcut's file name and the Run value's name
  std::string folder;     // UTF-8, under HOME: the program's folder, also the working folder
  std::string arguments;  // UTF-8, as a Windows command line writes them
};

// Names, paths and arguments with what entries must escape or quote.
const std::vector<Case> kCases = {
    {"Tessal", "games", ""},
    {"Qorvan Online", "my games/it's 100% here",
     "--say \"hi there\" --share 100% --quote \\\"yes\\\""},
    {Utf8(u8"游戏 奇幻"), Utf8(u8"游戏/$HOME & `date`; #1 (x)"),
     "--url \"http://127.0.0.1:8040/a b?x=1&y=%20\" --where ~/'dir'"},
    {"Qorvan = [beta]; #2", "games = [2]", "--path \"C:\\Program Files\\\\\" <in> |out| *?"},
};

class WrittenEntriesValidateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DesktopFileValidatorInstalled()) GTEST_SKIP() << "desktop-file-validate is not installed";
    desktop::SessionOptions options;
    options.relaunchArguments = {"--root", "/srv/it's run 1"};
    session_ = std::make_unique<desktop::Session>(std::move(options));
  }
  // The program file of a case, made, with its folder.
  std::string Program(const Case& c) {
    std::string program = user_.home() + "/" + c.folder + "/tessal";
    TemporaryUserFolders::Write(program, "program");
    return program;
  }
  void ExpectValid(const std::string& path, const std::string& what) {
    ASSERT_FALSE(path.empty()) << what << ": no entry written";
    ValidatorReport report = ValidateDesktopFile(path);
    bool clean = report.output.find("error:") == std::string::npos &&
                 report.output.find("warning:") == std::string::npos;
    EXPECT_TRUE(report.accepted && clean) << what << ": " << report.output << "\n"
                                          << TemporaryUserFolders::Read(path);
  }

  TemporaryUserFolders user_;
  std::unique_ptr<desktop::Session> session_;
  desktop::xdg::XdgServices services_;
};

TEST_F(WrittenEntriesValidateTest, LaunchersOnTheDesktopAndInTheMenu) {
  for (const Case& c : kCases) {
    std::string program = Program(c);
    desktop::ShellLinkFields link;
    link.target = OnDriveZ(program);
    link.arguments = desktop::Utf8ToCp936(c.arguments);
    link.workingDirectory = OnDriveZ(user_.home() + "/" + c.folder);
    std::string linkName = desktop::Utf8ToCp936(c.name) + ".lnk";
    ExpectValid(services_.ShortcutSaved(kDesktop + linkName, link),
                "desktop launcher \"" + c.name + "\"");
    ExpectValid(services_.ShortcutSaved(kQuickLaunch + linkName, link),
                "menu launcher \"" + c.name + "\"");
  }
}

TEST_F(WrittenEntriesValidateTest, AutostartEntries) {
  for (const Case& c : kCases) {
    std::string command = "\"" + OnDriveZ(Program(c)) + "\" " + desktop::Utf8ToCp936(c.arguments);
    std::string name = desktop::Utf8ToCp936(c.name);
    ASSERT_TRUE(services_.StartupCommandSet(name, command)) << c.name;
    ExpectValid(desktop::xdg::XdgServices::AutostartFile(name),
                "autostart entry \"" + c.name + "\"");
  }
}

}  // namespace
