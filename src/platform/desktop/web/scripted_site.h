// A web site described as data, for the scripted engine: pages keyed by
// their address, each with its script functions, frames, links, and the
// navigations it starts by itself. Read from a JSON file or built in code.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/desktop/web/web_engine.h"

namespace desktop::web {

// A member of a page's script: called, it returns a value or throws.
struct ScriptedFunction {
  ScriptValue result;
  std::optional<std::string> throws;  // the exception's message
};

struct ScriptedPage {
  std::string title;  // shown as the page's heading (UTF-8)
  std::map<std::string, ScriptedFunction> functions;
  std::vector<std::string> frames;           // addresses of nested pages
  std::map<std::string, std::string> links;  // name to address
  std::optional<std::string> onLoad;         // navigated to once loaded
  std::optional<std::string> onEnter;        // navigated to when Enter reaches the page
  struct Delayed {
    DWORD ms = 0;
    std::string address;
  };
  std::optional<Delayed> after;  // a navigation after ms on the host's clock
  BodyStyle bodyStyle;           // the page's own body attributes
  // What the server sends instead when the same browser loads this address
  // again (a page that changes between visits); null: the same page.
  std::shared_ptr<const ScriptedPage> revisit;
};

// A site file that cannot be read or does not describe a site.
class SiteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ScriptedSite {
  std::map<std::string, ScriptedPage> pages;  // keyed by address (UTF-8)

  // The page at an address; a fragment ("#...") is ignored when the
  // address itself is not a page of the site.
  const ScriptedPage* Find(const std::string& address) const;

  // Throw SiteError naming what is wrong.
  static ScriptedSite FromJson(const std::string& text);
  static ScriptedSite Load(const std::string& path);
};

}  // namespace desktop::web
