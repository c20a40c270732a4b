// The URL cache's enumeration: the size protocol, deletion while
// enumerating, the end, and the hook between a size query and its fetch.
// The entries are the run's own, so these tests need the portable desktop.
#include <string>
#include <vector>

#include "platform/desktop/session.h"
#include "platform/desktop/url_cache_store.h"
#include "tests/support/platform_test.h"

namespace {

class UrlCacheTest : public PlatformTest {
 protected:
  void Add(const std::string& url, DWORD type = NORMAL_CACHE_ENTRY) {
    session().urlCache().Add({url, type, "", ""});
  }
  // Fetches one record with the size protocol; empty on failure.
  std::string Fetch(HANDLE* find) {
    DWORD size = 0;
    bool first = *find == nullptr;
    BOOL sized = first ? FindFirstUrlCacheEntryA(nullptr, nullptr, &size) != nullptr
                       : FindNextUrlCacheEntryA(*find, nullptr, &size);
    EXPECT_FALSE(sized);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
    std::vector<BYTE> buffer(size);
    auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    if (first) {
      *find = FindFirstUrlCacheEntryA(nullptr, entry, &size);
      if (!*find) return {};
    } else if (!FindNextUrlCacheEntryA(*find, entry, &size)) {
      return {};
    }
    EXPECT_EQ(entry->dwStructSize, sizeof(INTERNET_CACHE_ENTRY_INFOA));
    return entry->lpszSourceUrlName + std::string(entry->CacheEntryType & COOKIE_CACHE_ENTRY ? " (cookie)" : "");
  }
};

TEST_F(UrlCacheTest, AnEmptyCacheHasNoFirstEntry) {
  DWORD size = 0;
  EXPECT_EQ(FindFirstUrlCacheEntryA(nullptr, nullptr, &size), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
  EXPECT_EQ(size, 0u);
}

TEST_F(UrlCacheTest, EveryEntryComesOnceInOrderThenNoMoreItems) {
  Add("http://game.example/a.js");
  Add("Cookie:player@game.example/", COOKIE_CACHE_ENTRY);
  Add("http://game.example/b.png");
  HANDLE find = nullptr;
  EXPECT_EQ(Fetch(&find), "http://game.example/a.js");
  EXPECT_TRUE(DeleteUrlCacheEntry("http://game.example/a.js"));  // while enumerating
  EXPECT_EQ(Fetch(&find), "Cookie:player@game.example/ (cookie)");
  EXPECT_EQ(Fetch(&find), "http://game.example/b.png");
  DWORD size = 0;
  EXPECT_FALSE(FindNextUrlCacheEntryA(find, nullptr, &size));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
  EXPECT_TRUE(FindCloseUrlCache(find));
  EXPECT_FALSE(FindCloseUrlCache(find));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(DeleteUrlCacheEntry("http://game.example/a.js"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(session().urlCache().size(), 2u);
}

TEST_F(UrlCacheTest, AnEntryThatGrowsAfterItsSizeQueryNoLongerFits) {
  Add("http://game.example/a.js");
  session().urlCache().SetBetweenQueryAndFetch([](desktop::UrlCacheStore& cache, const auto& sized) {
    cache.Rename(sized.url, sized.url + "?grown=1");
  });
  DWORD size = 0;
  FindFirstUrlCacheEntryA(nullptr, nullptr, &size);
  std::vector<BYTE> buffer(size);
  EXPECT_EQ(FindFirstUrlCacheEntryA(nullptr, reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data()), &size),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_GT(size, buffer.size());
}

}  // namespace
