#include "platform/desktop/gtk/web_context.h"

#include <filesystem>
#include <string>

#include "platform/desktop/gtk/webkit_library.h"
#include "platform/desktop/session.h"

namespace desktop::gtk {
namespace {

constexpr int kInternetCache = 0x0020;   // CSIDL_INTERNET_CACHE
constexpr int kApplicationData = 0x001A;  // CSIDL_APPDATA

std::string RealFolder(int csidl, const char* below) {
  Session& session = Session::Current();
  std::string windowsPath = session.state().specialFolders[csidl] + below;
  std::string real = session.RealPath(windowsPath);
  std::error_code ignored;
  std::filesystem::create_directories(real, ignored);
  return real;
}

}  // namespace

WebContext::~WebContext() {
  if (context_) g_object_unref(context_);
}

WebKitWebContext* WebContext::get() {
  if (context_ || !LoadWebKit()) return context_;
  std::string cache = RealFolder(kInternetCache, "");
  std::string data = RealFolder(kApplicationData, "\\Tessal\\WebKit");
  WebKitWebsiteDataManager* manager = WebKit().webkit_website_data_manager_new(
      "base-cache-directory", cache.c_str(), "base-data-directory", data.c_str(), nullptr);
  context_ = WebKit().webkit_web_context_new_with_website_data_manager(manager);
  g_object_unref(manager);
  WebKit().webkit_cookie_manager_set_persistent_storage(
      WebKit().webkit_web_context_get_cookie_manager(context_), (data + "/cookies.sqlite").c_str(),
      WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
  return context_;
}

}  // namespace desktop::gtk
