// Desktop entry text: Exec arguments quoted and values escaped as desktop
// environments unquote and unescape them, and values read back.
#include <gtest/gtest.h>

#include "platform/desktop/xdg/desktop_entry.h"
#include "tests/xdg/user_folders.h"

using desktop::xdg::DesktopEntry;
using desktop::xdg::DesktopEntryText;
using desktop::xdg::DesktopEntryValue;
using desktop::xdg::EscapeValue;
using desktop::xdg::ExecValue;
using desktop::xdg::QuoteExecArgument;

TEST(DesktopEntryTest, ExecArgumentsAreQuotedOnlyWhenTheyMustBeAndPercentIsAlwaysDoubled) {
  struct Case {
    const char* argument;
    const char* quoted;
  } cases[] = {
      {"/usr/bin/tessal", "/usr/bin/tessal"},
      {"/home/a b/tessal", "\"/home/a b/tessal\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"a\\b", "\"a\\\\b\""},
      {"100%", "100%%"},
      {"50% off", "\"50%% off\""},
      {"%f", "%%f"},
      {"$HOME", "\"\\$HOME\""},
      {"`id`", "\"\\`id\\`\""},
      {"it's", "\"it's\""},
      {"a;b&c|d", "\"a;b&c|d\""},
      {"~/x", "\"~/x\""},
      {"tab\there", "\"tab\there\""},
      {"", "\"\""},
  };
  for (const Case& c : cases) EXPECT_EQ(QuoteExecArgument(c.argument), c.quoted) << c.argument;
}

TEST(DesktopEntryTest, TheExecValueEscapesItsQuotedBackslashesOnceMoreAsAStringValue) {
  // A literal backslash inside a quoted argument is four in the file.
  EXPECT_EQ(ExecValue({"/opt/my games/tessal", "--root", "/data/a\\b"}),
            "\"/opt/my games/tessal\" --root \"/data/a\\\\\\\\b\"");
  EXPECT_EQ(ExecValue({"/opt/t", "line\nbreak"}), "/opt/t \"line\\nbreak\"");
}

TEST(DesktopEntryTest, AnExecValueSplitsIntoTheArgumentsItWasWrittenFrom) {
  const struct Case {
    std::string exec;
    std::vector<std::string> arguments;
  } cases[] = {
      {"tessal", {"tessal"}},
      {"/opt/t --root \"/srv/run 1\"", {"/opt/t", "--root", "/srv/run 1"}},
      {"\"say \\\"hi\\\"\" \"\\$HOME\" \"a\\\\b\"", {"say \"hi\"", "$HOME", "a\\b"}},
      {"tessal %U 100%% %f", {"tessal", "100%"}},
      {"  spaced   out ", {"spaced", "out"}},
      {"\"\"", {""}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(desktop::xdg::SplitExecValue(c.exec), c.arguments) << c.exec;
  // What the launchers write splits back into the command.
  const std::vector<std::string> command = {"/opt/my games/tessal", "--say", "it's \"100%\" $x"};
  EXPECT_EQ(
      desktop::xdg::SplitExecValue(
          DesktopEntryValue("[Desktop Entry]\nExec=" + ExecValue(command) + "\n", "Exec").value()),
      command);
}

TEST(DesktopEntryTest, ValuesAreEscapedAndReadBackAsTheyWere) {
  struct Case {
    const char* value;
    const char* escaped;
  } cases[] = {
      {"Tessal", "Tessal"},
      {" leading space", "\\sleading space"},
      {"inner space", "inner space"},
      {"back\\slash", "back\\\\slash"},
      {"two\nlines", "two\\nlines"},
      {"tab\tand\rreturn", "tab\\tand\\rreturn"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EscapeValue(c.value), c.escaped) << c.value;
    std::string text = "[Desktop Entry]\nName=" + EscapeValue(c.value) + "\n";
    EXPECT_EQ(DesktopEntryValue(text, "Name"), c.value) << c.value;
  }
}

TEST(DesktopEntryTest, AnEntryNamesItsProgramAndFolderAndOnlyItsOwnGroupIsRead) {
  DesktopEntry entry;
  entry.name = Utf8(u8"游戏 Tessal");
  entry.command = {"/opt/my games/tessal", "--root", "/srv/run 1"};
  entry.workingFolder = "/opt/my games";
  entry.icon = "applications-games";
  entry.windowsCommand = "Z:\\opt\\my games\\tessal";
  EXPECT_EQ(DesktopEntryText(entry),
            Utf8(u8"[Desktop Entry]\nType=Application\nVersion=1.0\nName=游戏 Tessal\n") +
                "Exec=\"/opt/my games/tessal\" --root \"/srv/run 1\"\n"
                "Path=/opt/my games\nIcon=applications-games\nTerminal=false\n"
                "X-Tessal-Command=Z:\\\\opt\\\\my games\\\\tessal\n");
  EXPECT_EQ(DesktopEntryValue(DesktopEntryText(entry), "X-Tessal-Command"), entry.windowsCommand);

  std::string other = "[Desktop Action x]\nExec=wrong\n[Desktop Entry]\nExec = right\r\n";
  EXPECT_EQ(DesktopEntryValue(other, "Exec"), "right");
  EXPECT_EQ(DesktopEntryValue(other, "Name"), std::nullopt);
}

TEST(DesktopEntryTest, ALauncherFileIsWrittenWholeAndExecutableInAFolderMadeForIt) {
  TemporaryUserFolders user;
  std::string path = user.home() + "/new/folder/a.desktop";
  ASSERT_TRUE(desktop::xdg::WriteLauncherFile(path, "[Desktop Entry]\n"));
  EXPECT_EQ(TemporaryUserFolders::Read(path), "[Desktop Entry]\n");
  EXPECT_TRUE(TemporaryUserFolders::IsExecutable(path));
  EXPECT_FALSE(TemporaryUserFolders::Exists(path + ".new"));
  // A folder in the way: nothing is written, nothing is left behind.
  std::string blocked = user.home() + "/new/folder/a.desktop/b.desktop";
  EXPECT_FALSE(desktop::xdg::WriteLauncherFile(blocked, "x"));
  EXPECT_FALSE(TemporaryUserFolders::Exists(blocked + ".new"));
}
