// The module identity: the program file's path split into folder and name.
#include <gtest/gtest.h>

#include "app/module_path.h"
#include "app/process_state.h"
#include "tests/support/platform_test.h"

namespace {

struct SplitCase {
  const char* name;
  const char* path;
  const char* drive;
  const char* directory;
  const char* base;
  const char* extension;
};

class SplitPathTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTest, SplitsIntoDriveFolderNameAndExtension) {
  const SplitCase& c = GetParam();
  SplitPathParts parts = SplitPath(c.path);
  EXPECT_EQ(parts.drive, c.drive);
  EXPECT_EQ(parts.directory, c.directory);
  EXPECT_EQ(parts.name, c.base);
  EXPECT_EQ(parts.extension, c.extension);
}

// "乗" is 0x81 0x5C in code page 936: its second byte must not split the path.
INSTANTIATE_TEST_SUITE_P(
    Cases, SplitPathTest,
    ::testing::Values(
        SplitCase{"Program", "C:\\Games\\Tessal\\Tessal.exe", "C:", "\\Games\\Tessal\\", "Tessal", ".exe"},
        SplitCase{"NoExtension", "C:\\Games\\Tessal", "C:", "\\Games\\", "Tessal", ""},
        SplitCase{"TwoDots", "D:\\a\\Tessal.v2.exe", "D:", "\\a\\", "Tessal.v2", ".exe"},
        SplitCase{"DotInFolderOnly", "C:\\my.games\\Tessal", "C:", "\\my.games\\", "Tessal", ""},
        SplitCase{"NetworkShare", "\\\\server\\share\\Tessal.exe", "", "\\\\server\\share\\", "Tessal", ".exe"},
        SplitCase{"TrailByteBackslash", "C:\\乗\\游戏.exe", "C:", "\\乗\\", "游戏", ".exe"},
        SplitCase{"TrailByteInName", "C:\\x\\乗.exe", "C:", "\\x\\", "乗", ".exe"}),
    [](const auto& info) { return std::string(info.param.name); });

class ModuleIdentityTest : public PlatformTest {};

TEST_F(ModuleIdentityTest, TheAccessorsGiveThePathItsFolderAndItsName) {
  EXPECT_EQ(ModulePath(), "C:\\Games\\Tessal\\Tessal.exe");
  EXPECT_EQ(ModuleFolder(), "C:\\Games\\Tessal\\");
  EXPECT_EQ(ModuleBaseName(), "Tessal");
  EXPECT_EQ(RunKeyPath, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_EQ(AutoStartEnabled, 0);
}

}  // namespace
