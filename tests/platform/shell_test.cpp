// Special folders, COM, the shell link object, wide strings and the version.
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/divergence.h"
#include "tests/support/platform_test.h"

namespace {

class ShellTest : public PlatformTest {};

TEST_F(ShellTest, SpecialFoldersExistAndTheirItemListsGiveTheSamePaths) {
  for (int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_APPDATA, CSIDL_INTERNET_CACHE}) {
    char path[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) << csidl;
    EXPECT_EQ(path[1], ':');
    EXPECT_TRUE(GetFileAttributesA(path) & FILE_ATTRIBUTE_DIRECTORY) << path;

    LPITEMIDLIST items = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, csidl, &items), S_OK);
    char fromItems[MAX_PATH] = {};
    EXPECT_TRUE(SHGetPathFromIDListA(items, fromItems));
    CoTaskMemFree(items);
    EXPECT_STREQ(fromItems, path);
  }
}

TEST_F(ShellTest, AnApartmentInitialisedTwiceAnswersSFalseAndIsBalanced) {
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
  CoUninitialize();
  CoUninitialize();
}

TEST_F(ShellTest, TheShellLinkObjectSavesALinkFileWithTheShellLinkHeader) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  IShellLinkA* link = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                             reinterpret_cast<void**>(&link)),
            S_OK);
  EXPECT_EQ(link->SetPath("C:\\Games\\Tessal\\Missing.exe"), S_FALSE);  // kept, but not found
  PutFile("C:\\Games\\Tessal\\Tessal.exe", "MZ");
  EXPECT_EQ(link->SetPath("C:\\Games\\Tessal\\Tessal.exe"), S_OK);
  EXPECT_EQ(link->SetWorkingDirectory("C:\\Games\\Tessal\\"), S_OK);
  char target[MAX_PATH] = {};
  EXPECT_EQ(link->GetPath(target, MAX_PATH, nullptr, 0), S_OK);
  EXPECT_STREQ(target, "C:\\Games\\Tessal\\Tessal.exe");

  IPersistFile* persist = nullptr;
  ASSERT_EQ(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)), S_OK);
  CLSID classId{};
  EXPECT_EQ(persist->GetClassID(&classId), S_OK);
  EXPECT_TRUE(classId == CLSID_ShellLink);

  char folder[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOPDIRECTORY, FALSE));
  std::string linkPath = std::string(folder) + "\\Tessal.lnk";
  WCHAR wide[MAX_PATH];
  ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH), 0);
  EXPECT_EQ(persist->Save(wide, TRUE), S_OK);
  persist->Release();
  link->Release();
  CoUninitialize();

  HANDLE file = CreateFileA(linkPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  unsigned char header[20] = {};
  DWORD read = 0;
  ReadFile(file, header, sizeof header, &read, nullptr);
  CloseHandle(file);
  const unsigned char expected[20] = {0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0, 0, 0, 0, 0,
                                      0xC0, 0, 0, 0, 0, 0, 0, 0x46};
  EXPECT_EQ(read, 20u);
  EXPECT_EQ(std::memcmp(header, expected, sizeof expected), 0);
}

TEST_F(ShellTest, SavingALinkIntoAMissingFolderFails) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  IPersistFile* persist = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistFile,
                             reinterpret_cast<void**>(&persist)),
            S_OK);
  WCHAR wide[MAX_PATH];
  ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, "C:\\Nowhere\\x.lnk", -1, wide, MAX_PATH), 0);
  EXPECT_TRUE(FAILED(persist->Save(wide, TRUE)));
  persist->Release();
  CoUninitialize();
}

TEST_F(ShellTest, CreatingAnObjectNeedsAnApartment) {
  IShellLinkA* link = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                             reinterpret_cast<void**>(&link)),
            CO_E_NOTINITIALIZED);
  EXPECT_EQ(link, nullptr);
}

TEST_F(ShellTest, WideConversionCountsTheTerminatorAndRefusesASmallBuffer) {
  WCHAR wide[4];
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
  if (!WINE_DIVERGES("the test prefix's ANSI code page is 1252, not the players' 936")) {
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "游戏", -1, nullptr, 0), 3);  // two characters
  }
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 4), 4);
  EXPECT_EQ(wide[0], 'a');
  EXPECT_EQ(wide[3], 0);
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abcd", -1, wide, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST_F(ShellTest, TheVersionQueryNeedsTheStructuresSize) {
  OSVERSIONINFOA version;
  std::memset(&version, 0, sizeof version);
  EXPECT_FALSE(GetVersionExA(&version));
  version.dwOSVersionInfoSize = sizeof version;
  EXPECT_EQ(sizeof version, 148u);
  ASSERT_TRUE(GetVersionExA(&version));
  EXPECT_GE(version.dwMajorVersion, 5u);
  EXPECT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
}

}  // namespace
