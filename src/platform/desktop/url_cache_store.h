// The current user's URL cache: its entries in the order they were added,
// the enumerations the program holds open, and a test hook that runs
// between a size query and the fetch that follows it.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/api/win_types.h"

namespace desktop {

class UrlCacheStore {
 public:
  struct Entry {
    std::string url;        // source URL name, code page 936 bytes
    DWORD type = 0x1;       // NORMAL_CACHE_ENTRY unless said otherwise
    std::string localFile;  // Windows path of the cached copy, or empty
    std::string headers;
    bool websiteData = false;  // stands for the host's web engine's data
  };
  // Called with the entry whose size a query has just reported; it may
  // change the cache, as another process sharing it could.
  using BetweenQueryAndFetch = std::function<void(UrlCacheStore& cache, const Entry& sized)>;

  void Add(Entry entry);
  // Changes the URL of the entry with `url`; false when there is none.
  bool Rename(const std::string& url, const std::string& newUrl);
  bool Remove(const std::string& url);
  // Replaces the entries that stand for the web engine's website data with
  // these (listed after the others).
  void ReplaceWebsiteData(const std::vector<Entry>& current);
  bool HasOpenEnumeration() const { return !enumerations_.empty(); }
  const Entry* FindByUrl(const std::string& url) const;
  std::size_t size() const { return entries_.size(); }
  void SetBetweenQueryAndFetch(BetweenQueryAndFetch hook) { hook_ = std::move(hook); }

  // Enumerations: each remembers the last entry it delivered, so entries
  // deleted meanwhile are simply no longer met.
  // A pattern picks the entries whose URL starts with it (without regard to
  // case), as "Cookie:" picks the cookies; an empty one picks every entry.
  ULONG_PTR OpenEnumeration(std::string pattern);
  bool IsEnumeration(ULONG_PTR handle) const { return enumerations_.count(handle) != 0; }
  // The next entry of the enumeration, or null at the end.
  const Entry* Peek(ULONG_PTR handle) const;
  void Advance(ULONG_PTR handle);
  bool CloseEnumeration(ULONG_PTR handle) { return enumerations_.erase(handle) != 0; }
  void RunHook(const Entry& sized);

 private:
  std::map<unsigned long, Entry> entries_;  // by insertion number
  unsigned long nextId_ = 1;
  struct Enumeration {
    unsigned long lastDelivered = 0;
    std::string pattern;
  };
  std::map<unsigned long, Entry>::const_iterator NextOf(const Enumeration& e) const;

  std::map<ULONG_PTR, Enumeration> enumerations_;
  ULONG_PTR nextHandle_ = 0xCC00;
  BetweenQueryAndFetch hook_;
};

}  // namespace desktop
