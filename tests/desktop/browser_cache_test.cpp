// Clearing the browser cache: URL cache entries (cookies survive), then the
// cache folder's contents, bottom-up, keeping every "desktop.ini", clearing
// only the read-only bit, and never walking out of the cache through a link.
#include <filesystem>

#include "desktop/browser_cache.h"
#include "platform/desktop/session.h"
#include "platform/desktop/url_cache_store.h"
#include "tests/desktop/desktop_test.h"

namespace {

class BrowserCacheTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    cache_ = SpecialFolder(CSIDL_INTERNET_CACHE);
    ASSERT_FALSE(cache_.empty());
  }
  std::string In(const std::string& relative) { return cache_ + "\\" + relative; }
  void File(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    CloseHandle(file);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));
  }
  void Folder(const std::string& path) { ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path; }
  void AddEntry(const std::string& url, DWORD type = NORMAL_CACHE_ENTRY) {
    session().urlCache().Add({url, type, "", ""});
  }
  std::string cache_;
};

TEST_F(BrowserCacheTest, NestedFoldersAreEmptiedBottomUpAndTheCacheFolderStays) {
  Folder(In("A1B2"));
  Folder(In("A1B2\\deep"));
  Folder(In("A1B2\\deep\\deeper"));
  File(In("A1B2\\deep\\deeper\\page[1].htm"));
  File(In("A1B2\\deep\\x.js"));
  File(In("top.css"));
  EXPECT_EQ(DeleteFolderContents(cache_.c_str()), 1);
  EXPECT_TRUE(GetFileAttributesA(cache_.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_FALSE(Exists(In("A1B2")));
  EXPECT_FALSE(Exists(In("top.css")));
}

TEST_F(BrowserCacheTest, DesktopIniInAnyCaseIsKeptAtEveryLevelAndKeepsItsFolder) {
  File(In("desktop.ini"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  Folder(In("Content.IE5"));
  File(In("Content.IE5\\DESKTOP.INI"));
  File(In("Content.IE5\\a.gif"));
  Folder(In("Content.IE5\\Sub"));
  File(In("Content.IE5\\Sub\\Desktop.Ini"));
  File(In("Content.IE5\\Sub\\b.gif"));
  Folder(In("Plain"));
  File(In("Plain\\desktop.ini.bak"));  // only the exact name is kept
  EXPECT_EQ(DeleteFolderContents(cache_.c_str()), 1);
  EXPECT_TRUE(Exists(In("desktop.ini")));
  EXPECT_TRUE(Exists(In("Content.IE5\\DESKTOP.INI")));
  EXPECT_TRUE(Exists(In("Content.IE5\\Sub\\Desktop.Ini")));
  EXPECT_FALSE(Exists(In("Content.IE5\\a.gif")));
  EXPECT_FALSE(Exists(In("Content.IE5\\Sub\\b.gif")));
  EXPECT_FALSE(Exists(In("Plain")));
}

TEST_F(BrowserCacheTest, ReadOnlyFilesAndFoldersAreDeletedWithOnlyThatBitCleared) {
  File(In("locked.js"), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  Folder(In("RO"));
  File(In("RO\\f"), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(SetFileAttributesA(In("RO").c_str(), FILE_ATTRIBUTE_READONLY));
  // A file held open stays; its attributes show what the walk changed.
  File(In("held.js"), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  HANDLE held = CreateFileA(In("held.js").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  EXPECT_EQ(DeleteFolderContents(cache_.c_str()), 1);
  EXPECT_FALSE(Exists(In("locked.js")));
  EXPECT_FALSE(Exists(In("RO")));
  EXPECT_EQ(GetFileAttributesA(In("held.js").c_str()),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  CloseHandle(held);
}

TEST_F(BrowserCacheTest, AFolderThatCannotBeListedGivesZero) {
  EXPECT_EQ(DeleteFolderContents((cache_ + "\\missing").c_str()), 0);
}

TEST_F(BrowserCacheTest, ALinkToAFolderOutsideTheCacheIsRemovedAndItsFilesAllSurvivePortableOnly) {
  Folder("C:\\Saves");
  Folder("C:\\Saves\\Slot1");
  File("C:\\Saves\\Slot1\\game.sav", FILE_ATTRIBUTE_READONLY);
  File("C:\\Saves\\notes.txt");
  Folder(In("Content.IE5"));
  std::filesystem::create_directory_symlink(session().RealPath("C:\\Saves"),
                                            session().RealPath(In("Content.IE5")) + "/saves");
  std::filesystem::create_symlink(session().RealPath("C:\\Saves\\notes.txt"),
                                  session().RealPath(In("Content.IE5")) + "/notes.lnk");
  EXPECT_EQ(DeleteFolderContents(cache_.c_str()), 1);
  EXPECT_FALSE(Exists(In("Content.IE5")));
  EXPECT_TRUE(Exists("C:\\Saves\\Slot1\\game.sav"));
  EXPECT_EQ(GetFileAttributesA("C:\\Saves\\Slot1\\game.sav"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(Exists("C:\\Saves\\notes.txt"));
}

TEST_F(BrowserCacheTest, CookiesSurviveAndEveryOtherEntryGoesPortableOnly) {
  AddEntry("http://game.example/a.js");
  AddEntry("Cookie:player@game.example/", COOKIE_CACHE_ENTRY);
  AddEntry("http://game.example/b.png");
  AddEntry("Cookie:player@login.example/", COOKIE_CACHE_ENTRY | NORMAL_CACHE_ENTRY);
  EXPECT_EQ(DeleteUrlCacheEntries(), 1);
  auto& cache = session().urlCache();
  EXPECT_EQ(cache.size(), 2u);
  EXPECT_NE(cache.FindByUrl("Cookie:player@game.example/"), nullptr);
  EXPECT_NE(cache.FindByUrl("Cookie:player@login.example/"), nullptr);
}

TEST_F(BrowserCacheTest, AnEmptyCacheGivesZeroAndTheFolderWalkStillRunsPortableOnly) {
  File(In("left.htm"));
  EXPECT_EQ(DeleteUrlCacheEntries(), 0);
  ClearBrowserCache();
  EXPECT_FALSE(Exists(In("left.htm")));
  EXPECT_TRUE(session().boxes().empty());
}

TEST_F(BrowserCacheTest, AnEntryThatChangesBetweenSizeQueryAndFetchEndsTheLoopPortableOnly) {
  AddEntry("http://game.example/1");
  AddEntry("http://game.example/2");
  AddEntry("http://game.example/3");
  session().urlCache().SetBetweenQueryAndFetch([](desktop::UrlCacheStore& cache, const auto& sized) {
    if (sized.url == "http://game.example/2") cache.Rename(sized.url, sized.url + "/grown");
  });
  EXPECT_EQ(DeleteUrlCacheEntries(), 1);
  auto& cache = session().urlCache();
  EXPECT_EQ(cache.FindByUrl("http://game.example/1"), nullptr);
  EXPECT_NE(cache.FindByUrl("http://game.example/2/grown"), nullptr);
  EXPECT_NE(cache.FindByUrl("http://game.example/3"), nullptr);  // the loop ended before it
}

TEST_F(BrowserCacheTest, AMissingCacheFolderEndsAfterTheEntriesPortableOnly) {
  AddEntry("http://game.example/a.js");
  session().SetSpecialFolder(CSIDL_INTERNET_CACHE, "C:\\users\\player\\NoCache");
  ClearBrowserCache();
  EXPECT_EQ(session().urlCache().size(), 0u);
  EXPECT_FALSE(Exists("C:\\users\\player\\NoCache"));  // not created
}

}  // namespace
