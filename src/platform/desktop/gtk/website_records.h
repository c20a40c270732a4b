// WebKit's website data as the URL cache lists it: each site's data but
// its cookies (local storage, IndexedDB, offline and disk caches, service
// workers, the memory cache...) as a normal entry, its cookies as a cookie
// entry. Removing an entry removes that part of the site's data, so that
// clearing the cache as the program does (every entry but the cookies)
// leaves only the cookies. WebKit answers asynchronously: each call runs
// GLib's loop until the answer comes, for ten seconds at most.
#pragma once

#include <webkit2/webkit2.h>

#include <map>
#include <string>
#include <vector>

#include "platform/desktop/gtk/web_context.h"
#include "platform/desktop/host.h"

namespace desktop::gtk {

class WebsiteRecords {
 public:
  explicit WebsiteRecords(WebContext& context) : context_(context) {}
  ~WebsiteRecords();
  WebsiteRecords(const WebsiteRecords&) = delete;
  WebsiteRecords& operator=(const WebsiteRecords&) = delete;

  // The entries for WebKit's data now; empty when WebKit did not answer.
  std::vector<WebsiteDataEntry> List();
  // Removes the data of an entry of the last list; false when it is not
  // one, or WebKit did not confirm the removal.
  bool Remove(const std::string& cp936Url);

 private:
  struct Listed {
    WebKitWebsiteData* record;  // a reference held until the next list
    WebKitWebsiteDataTypes types;
  };
  void Forget();
  WebKitWebsiteDataManager* Manager();

  WebContext& context_;
  std::map<std::string, Listed> listed_;
};

}  // namespace desktop::gtk
