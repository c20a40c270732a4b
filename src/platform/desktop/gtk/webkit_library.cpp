#include "platform/desktop/gtk/webkit_library.h"

#include <dlfcn.h>

#include <string>

#include "platform/desktop/startup_timings.h"
#include "platform/desktop/state.h"

namespace desktop::gtk {
namespace {

constexpr const char* kLibrary = "libwebkit2gtk-4.1.so.0";

struct Loaded {
  bool tried = false;
  bool ok = false;
  WebKitFunctions functions;
};

Loaded& Library() {
  static Loaded loaded;
  return loaded;
}

// Every function, or the name of the first one that is missing.
std::string LookUpAll(void* library, WebKitFunctions& functions) {
#define TESSAL_WEBKIT_LOOK_UP(name)                                            \
  functions.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name)); \
  if (!functions.name) return #name;
  TESSAL_WEBKIT_FUNCTIONS(TESSAL_WEBKIT_LOOK_UP)
#undef TESSAL_WEBKIT_LOOK_UP
  return {};
}

}  // namespace

bool LoadWebKit() {
  Loaded& loaded = Library();
  if (loaded.tried) return loaded.ok;
  loaded.tried = true;
  startup::Scope timing("WebKit loaded");
  // Kept loaded for the rest of the run: its types stay registered with GLib.
  void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* reason = dlerror();
    Log(std::string("pages cannot be shown: ") + (reason ? reason : kLibrary));
    return false;
  }
  std::string missing = LookUpAll(library, loaded.functions);
  if (!missing.empty()) {
    Log(std::string("pages cannot be shown: ") + kLibrary + " has no " + missing);
    return false;
  }
  loaded.ok = true;
  return true;
}

const WebKitFunctions& WebKit() { return Library().functions; }

}  // namespace desktop::gtk
