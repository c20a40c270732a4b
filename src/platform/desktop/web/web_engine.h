// The web engine seam: what the desktop's browser window needs of whatever
// loads and runs pages. An engine raises its events synchronously through
// its EngineClient (the browser) and keeps the current top-level document.
// The backends: the scripted engine (a site described as data) and, later,
// WebKitGTK; engine_choice.cpp picks one.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/api/win_types.h"

namespace desktop::web {

// A value a page's script hands back.
struct ScriptValue {
  enum class Kind { kUndefined, kNull, kBoolean, kNumber, kString };
  Kind kind = Kind::kUndefined;
  bool boolean = false;
  double number = 0;
  std::string text;  // UTF-8
};

// The outcome of calling a member of a page's script.
struct ScriptOutcome {
  bool threw = false;
  std::string error;  // the exception's message, UTF-8
  ScriptValue value;
};

// The body element's own attributes the host restyles (CSS texts, UTF-8).
struct BodyStyle {
  std::string scroll;
  std::string overflow;
  std::string border;
};

// One call of a page's script, as the page saw it.
struct ScriptCall {
  std::string name;
  std::vector<std::string> arguments;  // UTF-8, in the order the script received them
};

// A loaded document: a top-level page or a frame's page.
class WebDocument {
 public:
  virtual ~WebDocument() = default;
  virtual const std::string& Address() const = 0;  // UTF-8
  // Whether the address could not be loaded and this is the error page.
  virtual bool IsErrorPage() const = 0;
  virtual BodyStyle& Body() = 0;
  virtual bool HasScriptMember(const std::string& name) const = 0;
  virtual ScriptOutcome CallScript(const std::string& name,
                                   const std::vector<std::string>& arguments) = 0;
  virtual const std::vector<ScriptCall>& ScriptCalls() const = 0;
  // The documents of the page's frames, in page order.
  virtual std::vector<std::shared_ptr<WebDocument>> Frames() const = 0;
  // What a plain picture of the page shows (UTF-8): its heading and the
  // names of its links. Engines that draw pages themselves leave them empty.
  virtual std::string Title() const { return {}; }
  virtual std::vector<std::string> LinkNames() const { return {}; }
};

// What an engine asks of the browser that hosts it.
class EngineClient {
 public:
  virtual ~EngineClient() = default;
  // Before a navigation of the top-level page or of a frame; true cancels it.
  virtual bool BeforeNavigate(const std::string& address, bool topLevel) = 0;
  // A new document is being set up: the host's information is asked for.
  virtual void DocumentSetUp(WebDocument& document) = 0;
  virtual void DocumentComplete(const std::string& address, bool topLevel) = 0;
  // Runs `task` after `ms` milliseconds of the host's clock, from the
  // thread's message dispatch (0: as soon as messages are dispatched).
  virtual void Schedule(DWORD ms, std::function<void()> task) = 0;
};

class WebEngine {
 public:
  explicit WebEngine(EngineClient& client) : client_(client) {}
  virtual ~WebEngine() = default;
  WebEngine(const WebEngine&) = delete;
  WebEngine& operator=(const WebEngine&) = delete;

  // Starts a navigation of the top-level page (UTF-8 address). The
  // before-navigate event is raised before this returns; loading follows
  // while messages are dispatched.
  void Navigate(const std::string& address) { NavigateImpl(address); }
  // The current top-level document, or null before the first one.
  std::shared_ptr<WebDocument> Document() const { return DocumentImpl(); }
  // A key message reached the page through normal dispatch.
  void KeyReachedPage(int virtualKey) { KeyReachedPageImpl(virtualKey); }
  // The user clicks a named link of the top-level page; false when it has none.
  bool ClickLink(const std::string& name) { return !name.empty() && ClickLinkImpl(name); }

 protected:
  EngineClient& client() { return client_; }
  virtual void NavigateImpl(const std::string& address) = 0;
  virtual std::shared_ptr<WebDocument> DocumentImpl() const = 0;
  virtual void KeyReachedPageImpl(int virtualKey) = 0;
  virtual bool ClickLinkImpl(const std::string& name) = 0;

 private:
  EngineClient& client_;
};

// The engine this build uses (engine_choice.cpp).
std::unique_ptr<WebEngine> CreateWebEngine(EngineClient& client);

}  // namespace desktop::web
