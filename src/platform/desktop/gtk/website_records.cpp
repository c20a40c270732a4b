#include "platform/desktop/gtk/website_records.h"

#include "platform/desktop/codepage.h"
#include "platform/desktop/gtk/webkit_library.h"

namespace desktop::gtk {
namespace {

constexpr guint kLongestWaitMs = 10000;
constexpr DWORD kNormalEntry = 0x00000001;  // NORMAL_CACHE_ENTRY
constexpr DWORD kCookieEntry = 0x00100000;  // COOKIE_CACHE_ENTRY

const auto kAllButCookies =
    static_cast<WebKitWebsiteDataTypes>(WEBKIT_WEBSITE_DATA_ALL & ~WEBKIT_WEBSITE_DATA_COOKIES);

// One request in flight. It outlives the wait when WebKit does not answer
// in time: the late answer frees it.
struct Pending {
  bool done = false;
  bool abandoned = false;
  GList* records = nullptr;  // the fetch's answer
  bool removed = false;      // the removal's answer
};

void Fetched(GObject* manager, GAsyncResult* result, gpointer data) {
  auto* pending = static_cast<Pending*>(data);
  GList* records = WebKit().webkit_website_data_manager_fetch_finish(
      reinterpret_cast<WebKitWebsiteDataManager*>(manager), result, nullptr);
  if (pending->abandoned) {
    g_list_free_full(records, reinterpret_cast<GDestroyNotify>(WebKit().webkit_website_data_unref));
    delete pending;
    return;
  }
  pending->records = records;
  pending->done = true;
}

void Removed(GObject* manager, GAsyncResult* result, gpointer data) {
  auto* pending = static_cast<Pending*>(data);
  gboolean removed = WebKit().webkit_website_data_manager_remove_finish(
      reinterpret_cast<WebKitWebsiteDataManager*>(manager), result, nullptr);
  if (pending->abandoned) {
    delete pending;
    return;
  }
  pending->removed = removed;
  pending->done = true;
}

gboolean MarkPassed(gpointer passed) {
  *static_cast<bool*>(passed) = true;
  return G_SOURCE_REMOVE;
}

// Runs GLib's loop until the request is answered or the wait is over;
// false (the request abandoned) when it was not answered.
bool AwaitAnswer(Pending* pending) {
  bool passed = false;
  guint timer = g_timeout_add(kLongestWaitMs, MarkPassed, &passed);
  while (!pending->done && !passed) g_main_context_iteration(nullptr, TRUE);
  if (!passed) g_source_remove(timer);
  if (!pending->done) pending->abandoned = true;
  return pending->done;
}

}  // namespace

WebsiteRecords::~WebsiteRecords() { Forget(); }

void WebsiteRecords::Forget() {
  for (auto& [url, listed] : listed_) WebKit().webkit_website_data_unref(listed.record);
  listed_.clear();
}

WebKitWebsiteDataManager* WebsiteRecords::Manager() {
  return WebKit().webkit_web_context_get_website_data_manager(context_.get());
}

std::vector<WebsiteDataEntry> WebsiteRecords::List() {
  Forget();
  if (!context_.get()) return {};  // no WebKit: no website data
  auto* pending = new Pending;
  WebKit().webkit_website_data_manager_fetch(Manager(), WEBKIT_WEBSITE_DATA_ALL, nullptr, Fetched,
                                             pending);
  if (!AwaitAnswer(pending)) return {};
  std::vector<WebsiteDataEntry> entries;
  for (GList* item = pending->records; item; item = item->next) {
    auto* record = static_cast<WebKitWebsiteData*>(item->data);
    std::string site = Utf8ToCp936(WebKit().webkit_website_data_get_name(record));
    auto types = WebKit().webkit_website_data_get_types(record);
    auto add = [&](std::string url, DWORD type, WebKitWebsiteDataTypes part) {
      listed_[url] = Listed{WebKit().webkit_website_data_ref(record), part};
      entries.push_back(WebsiteDataEntry{std::move(url), type});
    };
    if (types & kAllButCookies) add("http://" + site + "/", kNormalEntry, kAllButCookies);
    if (types & WEBKIT_WEBSITE_DATA_COOKIES) {
      add("Cookie:player@" + site + "/", kCookieEntry, WEBKIT_WEBSITE_DATA_COOKIES);
    }
  }
  g_list_free_full(pending->records,
                   reinterpret_cast<GDestroyNotify>(WebKit().webkit_website_data_unref));
  delete pending;
  return entries;
}

bool WebsiteRecords::Remove(const std::string& cp936Url) {
  auto it = listed_.find(cp936Url);
  if (it == listed_.end()) return false;
  Listed listed = it->second;
  listed_.erase(it);
  GList records{listed.record, nullptr, nullptr};
  auto* pending = new Pending;
  WebKit().webkit_website_data_manager_remove(Manager(), listed.types, &records, nullptr, Removed,
                                              pending);
  bool removed = AwaitAnswer(pending) && pending->removed;
  if (!pending->abandoned) delete pending;
  WebKit().webkit_website_data_unref(listed.record);
  return removed;
}

}  // namespace desktop::gtk
