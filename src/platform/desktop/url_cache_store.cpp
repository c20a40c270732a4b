#include "platform/desktop/url_cache_store.h"

#include <strings.h>

namespace desktop {

void UrlCacheStore::Add(Entry entry) { entries_[nextId_++] = std::move(entry); }

bool UrlCacheStore::Rename(const std::string& url, const std::string& newUrl) {
  for (auto& [id, entry] : entries_) {
    if (entry.url == url) {
      entry.url = newUrl;
      return true;
    }
  }
  return false;
}

bool UrlCacheStore::Remove(const std::string& url) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->second.url == url) {
      entries_.erase(it);
      return true;
    }
  }
  return false;
}

void UrlCacheStore::ReplaceWebsiteData(const std::vector<Entry>& current) {
  std::erase_if(entries_, [](const auto& item) { return item.second.websiteData; });
  for (Entry entry : current) {
    entry.websiteData = true;
    Add(std::move(entry));
  }
}

const UrlCacheStore::Entry* UrlCacheStore::FindByUrl(const std::string& url) const {
  for (const auto& [id, entry] : entries_) {
    if (entry.url == url) return &entry;
  }
  return nullptr;
}

ULONG_PTR UrlCacheStore::OpenEnumeration(std::string pattern) {
  ULONG_PTR handle = nextHandle_;
  nextHandle_ += 4;
  enumerations_[handle] = Enumeration{0, std::move(pattern)};
  return handle;
}

std::map<unsigned long, UrlCacheStore::Entry>::const_iterator UrlCacheStore::NextOf(
    const Enumeration& e) const {
  auto it = entries_.upper_bound(e.lastDelivered);
  while (it != entries_.end() &&
         strncasecmp(it->second.url.c_str(), e.pattern.c_str(), e.pattern.size()) != 0) {
    ++it;
  }
  return it;
}

const UrlCacheStore::Entry* UrlCacheStore::Peek(ULONG_PTR handle) const {
  auto e = enumerations_.find(handle);
  if (e == enumerations_.end()) return nullptr;
  auto next = NextOf(e->second);
  return next == entries_.end() ? nullptr : &next->second;
}

void UrlCacheStore::Advance(ULONG_PTR handle) {
  auto e = enumerations_.find(handle);
  if (e == enumerations_.end()) return;
  auto next = NextOf(e->second);
  if (next != entries_.end()) e->second.lastDelivered = next->first;
}

void UrlCacheStore::RunHook(const Entry& sized) {
  if (!hook_) return;
  Entry copy = sized;  // the hook may change or remove the entry it is given
  hook_(*this, copy);
}

}  // namespace desktop
