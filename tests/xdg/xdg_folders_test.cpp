// The user's folders: the XDG variables and their defaults, and the desktop
// folder as xdg-user-dir answers it from user-dirs.dirs.
#include <gtest/gtest.h>

#include "platform/desktop/xdg/xdg_folders.h"
#include "tests/xdg/user_folders.h"

using desktop::xdg::UserDirFromText;

TEST(XdgFoldersTest, UserDirsLinesAreReadAsTheShellWouldReadThem) {
  struct Case {
    const char* text;
    const char* folder;
  } cases[] = {
      {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", "/home/p/Desktop"},
      {"# XDG_DESKTOP_DIR=\"$HOME/no\"\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n", "/home/p/Bureau"},
      {"XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n", ""},
      {"XDG_DESKTOP_DIR=\"/srv/desk top/\"\n", "/srv/desk top"},
      {"XDG_DESKTOP_DIR=\"$HOME/\"\n", "/home/p"},
      {"XDG_DESKTOP_DIR=\"$HOME/a \\\"b\\\"\"\n", "/home/p/a \"b\""},
      {"  XDG_DESKTOP_DIR = \"$HOME/Spaced\"\r\n", "/home/p/Spaced"},
      // Neither $HOME/ nor absolute, or not quoted: ignored.
      {"XDG_DESKTOP_DIR=\"relative/Desktop\"\n", ""},
      {"XDG_DESKTOP_DIR=\"$HOMEWORK/x\"\n", ""},
      {"XDG_DESKTOP_DIR=$HOME/Unquoted\n", ""},
      // The last valid assignment wins.
      {"XDG_DESKTOP_DIR=\"$HOME/One\"\nXDG_DESKTOP_DIR=\"$HOME/Two\"\n", "/home/p/Two"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UserDirFromText(c.text, "XDG_DESKTOP_DIR", "/home/p"), c.folder) << c.text;
  }
}

TEST(XdgFoldersTest, TheFoldersFollowTheVariablesAndDefaultUnderHome) {
  {
    TemporaryUserFolders user(false);
    EXPECT_EQ(desktop::xdg::DataHome(), user.home() + "/.local/share");
    EXPECT_EQ(desktop::xdg::ConfigHome(), user.home() + "/.config");
    EXPECT_EQ(desktop::xdg::DesktopFolder(), user.home() + "/Desktop");
    TemporaryUserFolders::Write(user.home() + "/.config/user-dirs.dirs",
                                "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(desktop::xdg::DesktopFolder(), user.home() + "/Schreibtisch");
  }
  TemporaryUserFolders user;
  EXPECT_EQ(desktop::xdg::DataHome(), user.home() + "/data");
  EXPECT_EQ(desktop::xdg::ConfigHome(), user.home() + "/config");
  TemporaryUserFolders::Write(user.home() + "/config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"/elsewhere\"\n");
  EXPECT_EQ(desktop::xdg::DesktopFolder(), "/elsewhere");
  // A relative variable is not used, as the base directory rules say.
  setenv("XDG_DATA_HOME", "relative", 1);
  EXPECT_EQ(desktop::xdg::DataHome(), user.home() + "/.local/share");
}
