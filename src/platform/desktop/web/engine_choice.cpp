// The one place that chooses the web engine of this build.
#include "platform/desktop/state.h"
#include "platform/desktop/web/scripted_engine.h"

namespace desktop::web {

std::unique_ptr<WebEngine> CreateWebEngine(EngineClient& client) {
  return std::make_unique<ScriptedEngine>(client, Current().scriptedSite);
}

}  // namespace desktop::web
