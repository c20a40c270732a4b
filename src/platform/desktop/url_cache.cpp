// The URL cache functions. An entry is delivered as one variable-length
// record: the fixed structure followed by its strings, which the record's
// pointers point into. A buffer too small for the record (or none) gets
// ERROR_INSUFFICIENT_BUFFER and the size the record needs; the enumeration
// stays where it was.
#include <cstring>
#include <vector>

#include "platform/api/wininet_functions.h"
#include "platform/desktop/host.h"
#include "platform/desktop/state.h"
#include "platform/desktop/url_cache_store.h"

using desktop::Current;
using desktop::SetError;
using desktop::UrlCacheStore;

namespace {

DWORD RecordSize(const UrlCacheStore::Entry& entry) {
  std::size_t size = sizeof(INTERNET_CACHE_ENTRY_INFOA) + entry.url.size() + 1 + entry.headers.size();
  if (!entry.localFile.empty()) size += entry.localFile.size() + 1;
  return static_cast<DWORD>(size);
}

char* Append(char*& cursor, const std::string& text, bool terminate) {
  char* start = cursor;
  std::memcpy(cursor, text.data(), text.size());
  cursor += text.size();
  if (terminate) *cursor++ = '\0';
  return start;
}

void FillRecord(const UrlCacheStore::Entry& entry, INTERNET_CACHE_ENTRY_INFOA* record) {
  std::memset(record, 0, sizeof *record);
  record->dwStructSize = sizeof *record;
  record->CacheEntryType = entry.type;
  record->dwUseCount = 1;
  char* cursor = reinterpret_cast<char*>(record + 1);
  record->lpszSourceUrlName = Append(cursor, entry.url, true);
  if (!entry.localFile.empty()) record->lpszLocalFileName = Append(cursor, entry.localFile, true);
  if (!entry.headers.empty()) {
    record->lpHeaderInfo = Append(cursor, entry.headers, false);
    record->dwHeaderInfoSize = static_cast<DWORD>(entry.headers.size());
  }
}

// Delivers the enumeration's next entry into the caller's buffer.
BOOL Deliver(ULONG_PTR handle, INTERNET_CACHE_ENTRY_INFOA* record, DWORD* size) {
  UrlCacheStore& cache = *Current().urlCache;
  const UrlCacheStore::Entry* entry = cache.Peek(handle);
  if (!entry) {
    SetError(ERROR_NO_MORE_ITEMS);
    return FALSE;
  }
  DWORD needed = RecordSize(*entry);
  if (!record || *size < needed) {
    *size = needed;
    cache.RunHook(*entry);
    SetError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  FillRecord(*entry, record);
  *size = needed;
  cache.Advance(handle);
  SetError(ERROR_SUCCESS);
  return TRUE;
}

}  // namespace

HANDLE WINAPI FindFirstUrlCacheEntryA(LPCSTR pattern, LPINTERNET_CACHE_ENTRY_INFOA entry,
                                      LPDWORD size) {
  if (!size) {
    SetError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  UrlCacheStore& cache = *Current().urlCache;
  // A new walk while none is under way sees the web engine's data as it is now.
  if (!cache.HasOpenEnumeration()) {
    std::vector<UrlCacheStore::Entry> websiteData;
    for (const desktop::WebsiteDataEntry& item : Current().host->WebsiteData()) {
      UrlCacheStore::Entry entry;
      entry.url = item.cp936Url;
      entry.type = item.cacheEntryType;
      websiteData.push_back(std::move(entry));
    }
    cache.ReplaceWebsiteData(websiteData);
  }
  std::string prefix = (pattern && std::strcmp(pattern, "*") != 0) ? pattern : "";
  ULONG_PTR handle = cache.OpenEnumeration(prefix);
  if (!Deliver(handle, entry, size)) {
    DWORD error = GetLastError();
    cache.CloseEnumeration(handle);  // only a delivered first entry opens an enumeration
    SetError(error);
    return nullptr;
  }
  return reinterpret_cast<HANDLE>(handle);
}

BOOL WINAPI FindNextUrlCacheEntryA(HANDLE find, LPINTERNET_CACHE_ENTRY_INFOA entry, LPDWORD size) {
  ULONG_PTR handle = reinterpret_cast<ULONG_PTR>(find);
  if (!Current().urlCache->IsEnumeration(handle)) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!size) {
    SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Deliver(handle, entry, size);
}

BOOL WINAPI FindCloseUrlCache(HANDLE find) {
  if (!Current().urlCache->CloseEnumeration(reinterpret_cast<ULONG_PTR>(find))) {
    SetError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

BOOL WINAPI DeleteUrlCacheEntry(LPCSTR url) {
  if (!url) {
    SetError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  UrlCacheStore& cache = *Current().urlCache;
  const UrlCacheStore::Entry* entry = cache.FindByUrl(url);
  bool removed = entry && (!entry->websiteData || Current().host->RemoveWebsiteData(url));
  if (entry) cache.Remove(url);
  if (!removed) {
    SetError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  return TRUE;
}
