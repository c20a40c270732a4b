#include <vector>

#include "desktop/browser_cache.h"

namespace {

// Each record is fetched into a buffer of exactly the size the cache
// reported for it just before.
class EntryBuffer {
 public:
  void Resize(DWORD size) { bytes_.assign(size, 0); }
  DWORD size() const { return static_cast<DWORD>(bytes_.size()); }
  INTERNET_CACHE_ENTRY_INFOA* entry() {
    return bytes_.empty() ? nullptr : reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(bytes_.data());
  }

 private:
  std::vector<BYTE> bytes_;
};

void DeleteUnlessCookie(const INTERNET_CACHE_ENTRY_INFOA& entry) {
  if (entry.CacheEntryType & COOKIE_CACHE_ENTRY) return;
  ::DeleteUrlCacheEntry(entry.lpszSourceUrlName);  // an entry in use stays; that is fine
}

}  // namespace

int DeleteUrlCacheEntries() {
  EntryBuffer buffer;
  DWORD size = 0;
  ::FindFirstUrlCacheEntryA(nullptr, nullptr, &size);
  buffer.Resize(size);
  HANDLE find = ::FindFirstUrlCacheEntryA(nullptr, buffer.entry(), &size);
  if (!find) return 0;
  for (;;) {
    DeleteUnlessCookie(*buffer.entry());
    size = 0;
    ::FindNextUrlCacheEntryA(find, nullptr, &size);
    buffer.Resize(size);
    // No more entries, or one that changed since its size was asked and no
    // longer fits: either ends the walk.
    if (!::FindNextUrlCacheEntryA(find, buffer.entry(), &size)) break;
  }
  ::FindCloseUrlCache(find);
  return 1;
}
