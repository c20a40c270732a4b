// The web engine's context for a run on the display: WebKit keeps its disk
// cache in the run's Internet cache folder (so clearing that folder clears
// WebKit's cache, as clearing the cache does on Windows) and its other
// website data and its cookies under the run's application data folder,
// where clearing the cache leaves them.
#pragma once

#include <webkit2/webkit2.h>

namespace desktop::gtk {

class WebContext {
 public:
  WebContext() = default;
  ~WebContext();
  WebContext(const WebContext&) = delete;
  WebContext& operator=(const WebContext&) = delete;

  // Made on first use, from the current session's folders.
  WebKitWebContext* get();

 private:
  WebKitWebContext* context_ = nullptr;
};

}  // namespace desktop::gtk
