// Launchers and autostart entries from the run's shortcuts and Run values:
// where they go, what they start (the real program file, the run's
// relaunch arguments), their names in UTF-8, and what is not written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/desktop/session.h"
#include "platform/desktop/xdg/xdg_folders.h"
#include "platform/desktop/xdg/xdg_services.h"
#include "tests/xdg/user_folders.h"

namespace {

constexpr char kDesktop[] = "C:\\users\\player\\Desktop";
constexpr char kQuickLaunch[] = "C:\\users\\player\\AppData\\Roaming\\Microsoft\\Internet Explorer\\Quick Launch";

std::string OnDriveZ(std::string real) {
  for (char& c : real) if (c == '/') c = '\\';
  return "Z:" + real;
}

class XdgServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The program file and its folder, with a space in the path.
    folder_ = user_.home() + "/my games";
    program_ = folder_ + "/tessal";
    TemporaryUserFolders::Write(program_, "program");
    desktop::SessionOptions options;
    options.relaunchArguments = {"--root", "/srv/run 1"};
    session_ = std::make_unique<desktop::Session>(std::move(options));
  }
  desktop::ShellLinkFields Link(std::string target) {
    desktop::ShellLinkFields link;
    link.target = std::move(target);
    link.workingDirectory = OnDriveZ(folder_);
    return link;
  }

  TemporaryUserFolders user_;
  std::string folder_, program_;
  std::unique_ptr<desktop::Session> session_;
  desktop::xdg::XdgServices services_;
};

TEST_F(XdgServicesTest, ADesktopShortcutBecomesAnExecutableLauncherInTheDesktopFolder) {
  TemporaryUserFolders::Write(user_.home() + "/config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
  std::string launcher =
      services_.ShortcutSaved(std::string(kDesktop) + "\\游戏.lnk", Link(OnDriveZ(program_)));
  ASSERT_EQ(launcher, user_.home() + Utf8(u8"/Bureau/游戏.desktop"));
  EXPECT_TRUE(TemporaryUserFolders::IsExecutable(launcher));
  EXPECT_EQ(TemporaryUserFolders::Read(launcher),
            Utf8(u8"[Desktop Entry]\nType=Application\nVersion=1.0\nName=游戏\n") + "Exec=\"" +
                program_ + "\" --root \"/srv/run 1\"\nPath=" + folder_ +
                "\nIcon=applications-games\nTerminal=false\n");
}

TEST_F(XdgServicesTest, AQuickLaunchShortcutBecomesAnApplicationWhateverTheCaseOfItsPath) {
  std::string path = "c:\\USERS\\Player\\appdata\\roaming\\Microsoft\\Internet Explorer\\QUICK LAUNCH\\Tessal.LNK";
  desktop::ShellLinkFields link = Link(OnDriveZ(program_));
  link.arguments = "--quiet";
  link.workingDirectory = "C:\\no such folder";  // not a folder: no Path=
  std::string launcher = services_.ShortcutSaved(path, link);
  ASSERT_EQ(launcher, user_.home() + "/data/applications/Tessal.desktop");
  std::string text = TemporaryUserFolders::Read(launcher);
  EXPECT_NE(text.find("\nExec=\"" + program_ + "\" --quiet --root \"/srv/run 1\"\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Path="), std::string::npos) << text;
}

TEST_F(XdgServicesTest, ShortcutsElsewhereOrToProgramsOffDriveZGetNoLauncher) {
  struct Case {
    std::string linkPath;
    std::string target;
  } cases[] = {
      {std::string(kDesktop) + "\\Tessal.lnk", "C:\\Games\\Tessal\\Tessal.exe"},
      {"C:\\users\\player\\Documents\\Tessal.lnk", OnDriveZ(program_)},
      {std::string(kQuickLaunch) + "\\Sub\\Tessal.lnk", OnDriveZ(program_)},
      {std::string(kDesktop) + "\\Tessal.txt", OnDriveZ(program_)},
      {std::string(kDesktop) + "\\.lnk", OnDriveZ(program_)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(services_.ShortcutSaved(c.linkPath, Link(c.target)), "") << c.linkPath;
  }
  EXPECT_FALSE(TemporaryUserFolders::Exists(user_.home() + "/Desktop/Tessal.desktop"));
  EXPECT_FALSE(TemporaryUserFolders::Exists(user_.home() + "/data/applications/Tessal.desktop"));
}

// A package installs its own menu entry (/usr/share/applications/NAME.desktop);
// a launcher of the same name in the user's folder would hide it behind the
// program file's name and a stock icon, so none is written when the
// system's entry starts the same command. The desktop launcher stays.
TEST_F(XdgServicesTest, AQuickLaunchShortcutDoesNotHideTheSystemsMenuEntryForTheSameCommand) {
  const char* path = std::getenv("PATH");
  const std::string savedPath = path ? path : "";
  setenv("PATH", (folder_ + ":" + savedPath).c_str(), 1);
  ::chmod(program_.c_str(), 0755);
  const std::string run = " --root \"/srv/run 1\"";
  struct Case {
    std::string exec;
    bool hidden;  // a user launcher would hide the system's entry
  } cases[] = {
      {"tessal" + run, true},  // by name, found in $PATH
      {"\"" + program_ + "\"" + run, true},
      {"tessal %U" + run, true},  // field codes are not arguments
      {"tessal", false},          // another run: the user's launcher keeps its arguments
      {"/usr/bin/env tessal" + run, false},
      {"no-such-program" + run, false},
  };
  const std::string system = user_.home() + "/system/applications/Tessal.desktop";
  const std::string user = user_.home() + "/data/applications/Tessal.desktop";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exec);
    std::filesystem::remove(user);
    TemporaryUserFolders::Write(system, "[Desktop Entry]\nType=Application\nName=Qorvan\nExec=" +
                                            c.exec + "\nIcon=tessal\n");
    std::string launcher = services_.ShortcutSaved(std::string(kQuickLaunch) + "\\Tessal.lnk",
                                                   Link(OnDriveZ(program_)));
    EXPECT_EQ(launcher, c.hidden ? "" : user);
    EXPECT_EQ(TemporaryUserFolders::Exists(user), !c.hidden);
    EXPECT_EQ(
        services_.ShortcutSaved(std::string(kDesktop) + "\\Tessal.lnk", Link(OnDriveZ(program_))),
        user_.home() + "/Desktop/Tessal.desktop");
  }
  setenv("PATH", savedPath.c_str(), 1);
}

TEST_F(XdgServicesTest, ARunValueIsAnAutostartEntryWhichTheQueryFindsUntilItGoes) {
  std::string file = user_.home() + "/config/autostart/Tessal.desktop";
  EXPECT_EQ(desktop::xdg::XdgServices::AutostartFile("Tessal"), file);
  EXPECT_FALSE(services_.StartupEntry("Tessal").present);

  std::string command = OnDriveZ(program_);  // unquoted, with a space, as the program writes it
  ASSERT_TRUE(services_.StartupCommandSet("Tessal", command));
  std::string text = TemporaryUserFolders::Read(file);
  EXPECT_NE(text.find("\nExec=\"" + program_ + "\" --root \"/srv/run 1\"\n"), std::string::npos) << text;
  desktop::StartupEntryState entry = services_.StartupEntry("Tessal");
  EXPECT_TRUE(entry.present);
  EXPECT_EQ(entry.cp936CommandLine, command);

  services_.StartupCommandDeleted("Tessal");
  EXPECT_FALSE(TemporaryUserFolders::Exists(file));
  EXPECT_FALSE(services_.StartupEntry("Tessal").present);

  // A command nothing here can start writes nothing and removes an older entry.
  ASSERT_TRUE(services_.StartupCommandSet("Tessal", command));
  EXPECT_FALSE(services_.StartupCommandSet("Tessal", "C:\\Games\\Tessal\\Tessal.exe"));
  EXPECT_FALSE(TemporaryUserFolders::Exists(file));
}

TEST_F(XdgServicesTest, EntryNamesAreUtf8FileNamesThatStayInTheirFolder) {
  std::string command = OnDriveZ(program_);
  ASSERT_TRUE(services_.StartupCommandSet("游戏", command));
  EXPECT_TRUE(TemporaryUserFolders::Exists(user_.home() + Utf8(u8"/config/autostart/游戏.desktop")));
  EXPECT_NE(TemporaryUserFolders::Read(user_.home() + Utf8(u8"/config/autostart/游戏.desktop"))
                .find(Utf8(u8"\nName=游戏\n")),
            std::string::npos);
  ASSERT_TRUE(services_.StartupCommandSet("../../escape", command));
  EXPECT_TRUE(TemporaryUserFolders::Exists(user_.home() + "/config/autostart/.._.._escape.desktop"));
  ASSERT_TRUE(services_.StartupCommandSet("..", command));
  EXPECT_TRUE(TemporaryUserFolders::Exists(user_.home() + "/config/autostart/_...desktop"));
  // An entry made by hand (no command of ours) stands for its Exec line.
  TemporaryUserFolders::Write(user_.home() + "/config/autostart/Hand.desktop",
                              "[Desktop Entry]\nExec=/usr/bin/hand --x\n");
  EXPECT_EQ(services_.StartupEntry("Hand").cp936CommandLine, "/usr/bin/hand --x");
}

}  // namespace
