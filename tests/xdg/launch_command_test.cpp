// Windows paths and command lines as commands of this machine: drive Z: is
// the real root, code page 936 names become UTF-8, arguments split as
// Windows programs split them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/desktop/xdg/launch_command.h"
#include "tests/xdg/user_folders.h"

using desktop::xdg::CommandOfCommandLine;
using desktop::xdg::RealPathOnDriveZ;
using desktop::xdg::ShortcutCommand;
using desktop::xdg::SplitWindowsArguments;
using Command = std::vector<std::string>;

TEST(LaunchCommandTest, OnlyPathsOnDriveZAreRealPaths) {
  struct Case {
    std::string windows;
    std::optional<std::string> real;
  } cases[] = {
      {"Z:\\usr\\bin\\tessal", "/usr/bin/tessal"},
      {"z:\\opt\\my games\\Tessal", "/opt/my games/Tessal"},
      {"Z:\\", "/"},
      // "游戏" and "乗" (whose second byte is a backslash in code page 936).
      {"Z:\\home\\游戏\\乗", Utf8(u8"/home/游戏/乗")},
      {"C:\\Games\\Tessal\\Tessal.exe", std::nullopt},
      {"Z:relative", std::nullopt},
      {"\\\\server\\share\\x", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(RealPathOnDriveZ(c.windows), c.real) << c.windows;
}

TEST(LaunchCommandTest, ArgumentsSplitAsWindowsProgramsSplitThem) {
  struct Case {
    const char* line;
    Command arguments;
  } cases[] = {
      {"", {}},
      {"  a  b\tc ", {"a", "b", "c"}},
      {"\"a b\" c", {"a b", "c"}},
      {"x\"y z\"w", {"xy zw"}},
      {"\"\"", {""}},
      {"a\\b c\\\\d", {"a\\b", "c\\\\d"}},
      {"\\\"quoted\\\"", {"\"quoted\""}},
      {"\"a\\\\\" b", {"a\\", "b"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"--name 游戏", {"--name", Utf8(u8"游戏")}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitWindowsArguments(c.line), c.arguments) << c.line;
}

TEST(LaunchCommandTest, AShortcutStartsItsTargetWithItsArguments) {
  EXPECT_EQ(ShortcutCommand("Z:\\opt\\t", "-x \"a b\""), (Command{"/opt/t", "-x", "a b"}));
  EXPECT_EQ(ShortcutCommand("C:\\t.exe", ""), std::nullopt);
}

TEST(LaunchCommandTest, AnUnquotedProgramIsTheWholeLineWhenThatIsAFileElseTheShortestPrefixThatIs) {
  TemporaryUserFolders user;
  TemporaryUserFolders::Write(user.home() + "/my games/tessal", "program");
  TemporaryUserFolders::Write(user.home() + "/my games/tessal beta/x", "another program");
  std::string folder = "Z:" + user.home();
  for (char& c : folder) if (c == '/') c = '\\';
  std::string program = user.home() + "/my games/tessal";

  struct Case {
    std::string line;
    std::optional<Command> command;
  } cases[] = {
      {folder + "\\my games\\tessal", Command{program}},
      {folder + "\\my games\\tessal --quiet", Command{program, "--quiet"}},
      {"\"" + folder + "\\my games\\tessal\" -a \"b c\"", Command{program, "-a", "b c"}},
      // Not "tessal" with the argument "beta\x": the whole line names a file.
      {folder + "\\my games\\tessal beta\\x", Command{user.home() + "/my games/tessal beta/x"}},
      // Nothing exists: the whole line is the program, as Windows tries last.
      {"Z:\\no such\\program", Command{"/no such/program"}},
      {"C:\\Games\\Tessal.exe", std::nullopt},
      {"\"C:\\Games\\Tessal.exe\" -x", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(CommandOfCommandLine(c.line), c.command) << c.line;
}
