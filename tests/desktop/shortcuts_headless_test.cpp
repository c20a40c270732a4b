// Desktop and Quick Launch shortcuts with the taskbar pin, through the real
// program code on a headless run; lnkinfo reads a written shortcut back.
#include <array>
#include <cstdio>
#include <filesystem>

#include "app/process_state.h"
#include "desktop/shortcuts.h"
#include "platform/desktop/session.h"
#include "tests/desktop/desktop_test.h"

namespace {

constexpr char kTarget[] = "C:\\Games\\Tessal\\Tessal.exe";
constexpr char kFolder[] = "C:\\Games\\Tessal\\";
constexpr char kQuickLaunch[] = "\\Microsoft\\Internet Explorer\\Quick Launch";

class ShortcutsTest : public DesktopTest {
 protected:
  std::string DesktopLink(const std::string& name = "Tessal") {
    return SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\" + name + ".lnk";
  }
  std::string QuickLaunchLink(const std::string& name = "Tessal") {
    return SpecialFolder(CSIDL_APPDATA) + kQuickLaunch + "\\" + name + ".lnk";
  }
  // What the launcher does at the end of its initialisation.
  void Start() {
    EXPECT_EQ(CreateDesktopShortcut("Tessal", kTarget, kFolder), 1);
    EXPECT_EQ(CreateQuickLaunchShortcut("Tessal", kTarget, kFolder), 1);
  }
  int Pins() { return static_cast<int>(session().shellExecutes().size()); }
};

std::string LnkInfo(const std::string& realPath) {
  std::string output;
  FILE* pipe = popen(("lnkinfo '" + realPath + "' 2>&1").c_str(), "r");
  if (!pipe) return output;
  std::array<char, 1024> line;
  while (std::fgets(line.data(), line.size(), pipe)) output += line.data();
  pclose(pipe);
  return output;
}

TEST_F(ShortcutsTest, TheFirstStartWritesBothAndPinsTheDesktopShortcutBeforeWindows10PortableOnly) {
  session().SetWindowsVersion(6, 1, 7601);
  Start();
  EXPECT_TRUE(Exists(DesktopLink()));
  EXPECT_TRUE(Exists(QuickLaunchLink()));
  ASSERT_EQ(Pins(), 1);
  const auto& pin = session().shellExecutes()[0];
  EXPECT_EQ(pin.verb, "taskbarpin");
  EXPECT_EQ(pin.file, DesktopLink());
  EXPECT_EQ(pin.parameters, "");
  EXPECT_EQ(pin.directory, "");
  EXPECT_EQ(pin.show, SW_SHOWNORMAL);
  EXPECT_EQ(pin.owner, nullptr);
}

TEST_F(ShortcutsTest, OnWindows10NothingIsPinnedPortableOnly) {
  session().SetWindowsVersion(10, 0, 19045);
  Start();
  EXPECT_TRUE(Exists(DesktopLink()));
  EXPECT_EQ(Pins(), 0);
}

TEST_F(ShortcutsTest, ALaterStartLeavesTheDesktopShortcutAloneAndRewritesQuickLaunchPortableOnly) {
  session().SetWindowsVersion(6, 1, 7601);
  Start();
  std::string desktopReal = session().RealPath(DesktopLink());
  std::string quickReal = session().RealPath(QuickLaunchLink());
  PutFile(DesktopLink(), "left alone");
  PutFile(QuickLaunchLink(), "stale");
  Start();
  EXPECT_EQ(Pins(), 1);  // only the first start pinned
  EXPECT_EQ(std::filesystem::file_size(desktopReal), 10u);
  EXPECT_NE(std::filesystem::file_size(quickReal), 5u);
  EXPECT_NE(LnkInfo(quickReal).find("Local path\t\t\t: C:\\Games\\Tessal\\Tessal.exe"),
            std::string::npos);
}

struct ExistingEntry {
  const char* name;
  bool folder;
};

class ExistingEntryTest : public ShortcutsTest,
                          public ::testing::WithParamInterface<ExistingEntry> {};

TEST_P(ExistingEntryTest, AnyEntryOfTheShortcutsNameCountsAsExistingPortableOnly) {
  session().SetWindowsVersion(6, 1, 7601);
  std::string entry = SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\TESSAL.LNK";  // any case
  if (GetParam().folder) {
    ASSERT_TRUE(CreateDirectoryA(entry.c_str(), nullptr));
  } else {
    PutFile(entry, "not a shortcut");
  }
  EXPECT_EQ(CreateDesktopShortcut("Tessal", kTarget, kFolder), 1);
  EXPECT_EQ(Pins(), 0);
  EXPECT_EQ(GetFileAttributesA(entry.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            GetParam().folder ? static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY) : 0u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ExistingEntryTest,
                         ::testing::Values(ExistingEntry{"Folder", true},
                                           ExistingEntry{"OtherFile", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShortcutsTest, WithoutAQuickLaunchFolderThereIsNoShortcutAndNoError) {
  std::string folder = SpecialFolder(CSIDL_APPDATA) + kQuickLaunch;
  ASSERT_TRUE(RemoveDirectoryA(folder.c_str()));
  SetLastError(0);
  EXPECT_EQ(CreateQuickLaunchShortcut("Tessal", kTarget, kFolder), 0);
  EXPECT_FALSE(Exists(folder));  // not created
  EXPECT_TRUE(session().boxes().empty());
}

TEST_F(ShortcutsTest, ShortcutsCarryTheNameTheyAreGivenAndEarlierOnesStayPortableOnly) {
  session().SetWindowsVersion(6, 1, 7601);
  Start();
  EXPECT_EQ(CreateDesktopShortcut("Qorvan Online", "C:\\Games\\Tessal\\Qorvan Online.exe", kFolder), 1);
  EXPECT_EQ(CreateQuickLaunchShortcut("Qorvan Online", "C:\\Games\\Tessal\\Qorvan Online.exe", kFolder), 1);
  for (const char* name : {"Tessal", "Qorvan Online"}) {
    EXPECT_TRUE(Exists(DesktopLink(name))) << name;
    EXPECT_TRUE(Exists(QuickLaunchLink(name))) << name;
  }
  EXPECT_EQ(Pins(), 2);
}

TEST_F(ShortcutsTest, LnkinfoReadsTheTargetAndWorkingDirectoryBackPortableOnly) {
  ASSERT_EQ(CreateShortcutFile(SpecialFolder(CSIDL_DESKTOPDIRECTORY).c_str(), "游戏",
                               "C:\\Games\\乗游戏\\游戏.exe", "C:\\Games\\乗游戏\\"),
            1);
  std::string info = LnkInfo(session().RealPath(DesktopLink("游戏")));
  // lnkinfo prints UTF-8; the Unicode path in the link is what it shows.
  EXPECT_NE(info.find("Local path\t\t\t: C:\\Games\\\xE4\xB9\x97\xE6\xB8\xB8\xE6\x88\x8F\\"
                      "\xE6\xB8\xB8\xE6\x88\x8F.exe\n"),
            std::string::npos)
      << info;
  EXPECT_NE(info.find("Working directory\t\t: C:\\Games\\\xE4\xB9\x97\xE6\xB8\xB8\xE6\x88\x8F\\\n"),
            std::string::npos)
      << info;
}

// Paths that do not fit the fixed buffers fail with 0 and write nothing.
TEST_F(ShortcutsTest, AnApplicationDataPathTooLongForQuickLaunchFailsCleanlyPortableOnly) {
  std::string longAppData = "C:\\users\\" + std::string(200, 'a') + "\\" + std::string(20, 'b');
  ASSERT_LT(longAppData.size(), static_cast<std::size_t>(MAX_PATH));
  std::string quickLaunch = longAppData + kQuickLaunch;
  ASSERT_GE(quickLaunch.size(), static_cast<std::size_t>(MAX_PATH));
  std::filesystem::create_directories(session().RealPath("C:\\") + "/users/" + std::string(200, 'a') +
                                      "/" + std::string(20, 'b') +
                                      "/Microsoft/Internet Explorer/Quick Launch");
  session().SetSpecialFolder(CSIDL_APPDATA, longAppData);
  EXPECT_EQ(CreateQuickLaunchShortcut("Tessal", kTarget, kFolder), 0);
  EXPECT_TRUE(std::filesystem::is_empty(session().RealPath(quickLaunch)));
}

TEST_F(ShortcutsTest, ALinkPathLongerThanTheWideBufferFailsCleanly) {
  std::string name(260, 'n');
  EXPECT_EQ(CreateShortcutFile(SpecialFolder(CSIDL_DESKTOPDIRECTORY).c_str(), name.c_str(),
                               kTarget, kFolder),
            0);
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\*.lnk").c_str(), &data);
  EXPECT_EQ(find, INVALID_HANDLE_VALUE);  // nothing was written
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

TEST_F(ShortcutsTest, TheProgramsOwnIdentityNamesAndTargetsItsShortcutsPortableOnly) {
  ASSERT_EQ(CreateDesktopShortcut(ModuleBaseName(), ModulePath(), ModuleFolder()), 1);
  std::string info = LnkInfo(session().RealPath(DesktopLink()));
  EXPECT_NE(info.find("Local path\t\t\t: C:\\Games\\Tessal\\Tessal.exe\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Working directory\t\t: C:\\Games\\Tessal\\\n"), std::string::npos) << info;
}

}  // namespace
