// Folders and their entries: listings, attributes, deleting files and
// removing folders, with the errors Windows gives.
#include <algorithm>
#include <set>
#include <string>

#include "tests/support/divergence.h"
#include "tests/support/platform_test.h"

namespace {

// Each test works in a folder of its own: a real system keeps its files
// between tests.
std::string g_root;

void MakeFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  WriteFile(file, "data", 4, &written, nullptr);
  CloseHandle(file);
}

class FolderTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    CreateDirectoryA("C:\\Work", nullptr);
    static int counter = 0;
    g_root = "C:\\Work\\" + std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
    ASSERT_TRUE(CreateDirectoryA(g_root.c_str(), nullptr));
  }
  static std::string At(const std::string& name) { return g_root + "\\" + name; }
  // Every name the pattern lists, with the directory bit as a trailing "\".
  static std::set<std::string> List(const std::string& pattern) {
    std::set<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
      names.insert(std::string(data.cFileName) +
                   ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "\\" : ""));
    } while (FindNextFileA(find, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(find));
    return names;
  }
};

TEST_F(FolderTest, AListingHasTheDotsTheFilesAndTheFoldersWithTheirKind) {
  MakeFile(At("a.txt"));
  MakeFile(At("README"));
  ASSERT_TRUE(CreateDirectoryA(At("Sub").c_str(), nullptr));
  EXPECT_EQ(List(At("*.*")), (std::set<std::string>{".\\", "..\\", "a.txt", "README", "Sub\\"}));
  EXPECT_EQ(List(At("*.TXT")), (std::set<std::string>{"a.txt"}));  // without regard to case
  EXPECT_EQ(List(At("readme")), (std::set<std::string>{"README"}));
  EXPECT_EQ(List(At("S?b")), (std::set<std::string>{"Sub\\"}));
}

struct FindFailure {
  const char* name;
  const char* pattern;
  DWORD error;
};

class FindFailureTest : public FolderTest, public ::testing::WithParamInterface<FindFailure> {};

TEST_P(FindFailureTest, FailsWithTheSystemsError) {
  WIN32_FIND_DATAA data;
  SetLastError(0);
  EXPECT_EQ(FindFirstFileA(GetParam().pattern, &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindFailureTest,
    ::testing::Values(FindFailure{"NoMatch", "C:\\Work\\*.lnk", ERROR_FILE_NOT_FOUND},
                      FindFailure{"MissingName", "C:\\Work\\Tessal.lnk", ERROR_FILE_NOT_FOUND},
                      FindFailure{"MissingFolder", "C:\\Nowhere\\*.*", ERROR_PATH_NOT_FOUND}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderTest, SettingAttributesChangesOnlyTheBitsGiven) {
  MakeFile(At("f"));
  DWORD initial = GetFileAttributesA(At("f").c_str());
  ASSERT_NE(initial, INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(initial & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
  auto attributes = [&] {
    DWORD a = GetFileAttributesA(At("f").c_str());
    if (WINE_DIVERGES("Wine keeps the archive bit on every file whatever is set")) {
      a &= ~static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE);
      if (a == 0) a = FILE_ATTRIBUTE_NORMAL;
    }
    return a;
  };
  ASSERT_TRUE(SetFileAttributesA(At("f").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(attributes(), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesA(At("f").c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(attributes(), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesA(At("f").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(attributes(), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(GetFileAttributesA(g_root.c_str()) & FILE_ATTRIBUTE_DIRECTORY);

  SetLastError(0);
  EXPECT_EQ(GetFileAttributesA(At("missing").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesA("C:\\Nowhere\\missing"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(FolderTest, AReadOnlyFileCannotBeDeletedUntilTheBitIsCleared) {
  MakeFile(At("f"));
  ASSERT_TRUE(SetFileAttributesA(At("f").c_str(), FILE_ATTRIBUTE_READONLY));
  SetLastError(0);
  EXPECT_FALSE(DeleteFileA(At("f").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  ASSERT_TRUE(SetFileAttributesA(At("f").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(DeleteFileA(At("f").c_str()));
  EXPECT_EQ(GetFileAttributesA(At("f").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(DeleteFileA(At("f").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(FolderTest, AFileHeldOpenWithoutDeleteSharingStays) {
  MakeFile(At("held"));
  HANDLE held = CreateFileA(At("held").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(DeleteFileA(At("held").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  CloseHandle(held);
  EXPECT_TRUE(DeleteFileA(At("held").c_str()));
}

TEST_F(FolderTest, FoldersAreRemovedOnlyWhenEmptyAndNeverAsFiles) {
  ASSERT_TRUE(CreateDirectoryA(At("Sub").c_str(), nullptr));
  EXPECT_FALSE(CreateDirectoryA(At("Sub").c_str(), nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  MakeFile(At("Sub\\f"));
  EXPECT_FALSE(RemoveDirectoryA(At("Sub").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
  EXPECT_FALSE(DeleteFileA(At("Sub").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(RemoveDirectoryA(At("Sub\\f").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIRECTORY));
  ASSERT_TRUE(DeleteFileA(At("Sub\\f").c_str()));
  EXPECT_TRUE(RemoveDirectoryA(At("sub").c_str()));  // names compare without case
  EXPECT_EQ(GetFileAttributesA(At("Sub").c_str()), INVALID_FILE_ATTRIBUTES);
}

// An entry that a listing has just returned, changed through the desktop
// while the listing is still open, is answered as it is now: a walk that
// lists, inspects and deletes sees its own changes.
enum class EntryNow { kMissing, kFile, kReadOnlyFile, kFolder };

struct ChangeOfAListedEntry {
  const char* name;
  void (*makeEntry)(const std::string& path);
  void (*change)(const std::string& path);
  EntryNow now;
};

class ChangeOfAListedEntryTest : public FolderTest,
                                 public ::testing::WithParamInterface<ChangeOfAListedEntry> {};

TEST_P(ChangeOfAListedEntryTest, IsAnsweredAsTheEntryIsNow) {
  std::string entry = At("entry");
  GetParam().makeEntry(entry);
  MakeFile(At("other"));
  WIN32_FIND_DATAA data;
  HANDLE listing = FindFirstFileA(At("*").c_str(), &data);
  ASSERT_NE(listing, INVALID_HANDLE_VALUE);
  while (FindNextFileA(listing, &data)) {
  }  // every entry returned, the listing kept open
  ASSERT_NE(GetFileAttributesA(entry.c_str()), INVALID_FILE_ATTRIBUTES);

  GetParam().change(entry);
  SetLastError(0);
  DWORD attributes = GetFileAttributesA(entry.c_str());
  switch (GetParam().now) {
    case EntryNow::kMissing:
      EXPECT_EQ(attributes, INVALID_FILE_ATTRIBUTES);
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
      EXPECT_FALSE(DeleteFileA(entry.c_str()));
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
      break;
    case EntryNow::kFile:
      ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
      EXPECT_FALSE(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) << attributes;
      EXPECT_TRUE(DeleteFileA(entry.c_str()));
      break;
    case EntryNow::kReadOnlyFile:
      ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
      EXPECT_EQ(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY),
                static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
      EXPECT_FALSE(DeleteFileA(entry.c_str()));
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
      ASSERT_TRUE(SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL));
      EXPECT_TRUE(DeleteFileA(entry.c_str()));
      break;
    case EntryNow::kFolder:
      ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
      EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << attributes;
      EXPECT_FALSE(DeleteFileA(entry.c_str()));
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
      EXPECT_TRUE(RemoveDirectoryA(entry.c_str()));
      break;
  }
  EXPECT_EQ(GetFileAttributesA(entry.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(FindClose(listing));
}

void MakeFolder(const std::string& path) { ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)); }
void MakeReadOnlyFile(const std::string& path) {
  MakeFile(path);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeOfAListedEntryTest,
    ::testing::Values(ChangeOfAListedEntry{"MadeReadOnly", MakeFile, MakeReadOnlyFile,
                                           EntryNow::kReadOnlyFile},
                      ChangeOfAListedEntry{"MadeWritable", MakeReadOnlyFile,
                                           [](const std::string& p) {
                                             SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
                                           },
                                           EntryNow::kFile},
                      ChangeOfAListedEntry{"Deleted", MakeFile,
                                           [](const std::string& p) { DeleteFileA(p.c_str()); },
                                           EntryNow::kMissing},
                      ChangeOfAListedEntry{"ReplacedByAFolder", MakeFile,
                                           [](const std::string& p) {
                                             DeleteFileA(p.c_str());
                                             MakeFolder(p);
                                           },
                                           EntryNow::kFolder},
                      ChangeOfAListedEntry{"FolderReplacedByAFile", MakeFolder,
                                           [](const std::string& p) {
                                             RemoveDirectoryA(p.c_str());
                                             MakeFile(p);
                                           },
                                           EntryNow::kFile},
                      ChangeOfAListedEntry{"RewrittenReadOnly", MakeFile,
                                           [](const std::string& p) {
                                             DeleteFileA(p.c_str());
                                             MakeReadOnlyFile(p);
                                           },
                                           EntryNow::kReadOnlyFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderTest, CodePage936NamesAreListedInCodePage936) {
  MakeFile(At("存档.txt"));
  EXPECT_EQ(List(At("*.txt")), (std::set<std::string>{"存档.txt"}));
  EXPECT_TRUE(DeleteFileA(At("存档.txt").c_str()));
}

}  // namespace
