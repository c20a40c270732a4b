// The one place that chooses the web engine of a browser window: the
// host's own engine when it has one (a display host's real engine), else
// the scripted engine serving the run's site.
#include "platform/desktop/host.h"
#include "platform/desktop/state.h"
#include "platform/desktop/web/scripted_engine.h"

namespace desktop {

std::unique_ptr<web::WebEngine> Host::CreateWebEngine(web::EngineClient&, HWND) { return nullptr; }

}  // namespace desktop

namespace desktop::web {

std::unique_ptr<WebEngine> CreateWebEngine(EngineClient& client, HWND window) {
  if (std::unique_ptr<WebEngine> engine = Current().host->CreateWebEngine(client, window)) {
    return engine;
  }
  return std::make_unique<ScriptedEngine>(client, Current().scriptedSite);
}

}  // namespace desktop::web
