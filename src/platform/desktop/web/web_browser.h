// The desktop's web browser control: a child window of the class "Shell
// Embedding" that hosts a web engine. It raises its events to the host
// (the framework's web view) synchronously, asks the host for its
// information whenever a document is set up and applies it, hands out the
// current document through COM, runs the browser's own accelerator keys,
// and records what it did so that tests and transcripts can see it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/api/mshtml_functions.h"
#include "platform/api/user_functions.h"
#include "platform/desktop/web/web_engine.h"

namespace desktop::web {

constexpr char kBrowserClassName[] = "Shell Embedding";

// What the browser tells its host, with the addresses in UTF-16 as the
// browser's own interfaces carry them.
class BrowserEvents {
 public:
  virtual ~BrowserEvents() = default;
  virtual void BeforeNavigate(const std::u16string& address, bool topLevel, bool* cancel) = 0;
  virtual void DocumentComplete(const std::u16string& address, bool topLevel) = 0;
  // S_OK when the host filled `info`; the browser frees its strings.
  virtual HRESULT GetHostInfo(DOCHOSTUIINFO* info) = 0;
};

// What the browser's own key handling would have done for a key.
enum class BrowserAction {
  kSelectAll,
  kFind,
  kNewWindow,
  kOpen,
  kPrint,
  kSave,
  kBack,
  kForward,
  kRefresh
};
const char* BrowserActionName(BrowserAction action);

// The host's information, as last given.
struct HostInformation {
  int requests = 0;  // how often it was asked for
  DWORD flags = 0;
  std::u16string styleSheet;
  std::u16string namespaces;
};

class WebBrowser final : public EngineClient {
 public:
  explicit WebBrowser(HWND window);
  ~WebBrowser() override;
  WebBrowser(const WebBrowser&) = delete;
  WebBrowser& operator=(const WebBrowser&) = delete;

  void SetEvents(BrowserEvents* events) { events_ = events; }
  void Navigate(const std::u16string& address);
  // The current top-level document with a new reference, or null.
  IDispatch* Document();
  // The browser's accelerator handling for one queued message: TRUE when
  // it consumed the message.
  BOOL TranslateAccelerator(const MSG& msg);

  // The engine and what it shows, for the scripted user and tests.
  WebEngine& engine() { return *engine_; }
  std::shared_ptr<WebDocument> document() const { return engine_->Document(); }
  const std::vector<BrowserAction>& actions() const { return actions_; }
  const std::vector<MSG>& offeredKeys() const { return offeredKeys_; }  // to the accelerators
  const std::vector<MSG>& pageKeys() const { return pageKeys_; }        // by normal dispatch
  const HostInformation& hostInformation() const { return host_; }
  // The host's information as applied to every page.
  bool ShowsScrollBars() const { return !(host_.flags & DOCHOSTUIFLAG_SCROLL_NO); }
  bool HasThreeDBorder() const { return !(host_.flags & DOCHOSTUIFLAG_NO3DBORDER); }
  // The page background the host's style sheet gives ("#ffffff" without one).
  std::string Background() const;

  // From the window procedure.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // EngineClient
  bool BeforeNavigate(const std::string& address, bool topLevel) override;
  void DocumentSetUp(WebDocument& document) override;
  void DocumentComplete(const std::string& address, bool topLevel) override;
  std::string HostStyleSheet() const override;
  void Schedule(DWORD ms, std::function<void()> task) override;

 private:
  void KeyReachedPage(const MSG& msg);

  HWND window_;
  BrowserEvents* events_ = nullptr;
  std::unique_ptr<WebEngine> engine_;
  IHTMLDocument2* documentObject_ = nullptr;  // for the document below, one reference
  std::shared_ptr<WebDocument> wrapped_;
  std::deque<std::function<void()>> posted_;
  std::map<UINT_PTR, std::function<void()>> timed_;
  UINT_PTR nextTimer_ = 0x1000;
  std::vector<BrowserAction> actions_;
  std::vector<MSG> offeredKeys_;
  std::vector<MSG> pageKeys_;
  HostInformation host_;
};

// The browser of a "Shell Embedding" window, or null.
WebBrowser* BrowserOf(HWND window);
LRESULT CALLBACK BrowserWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace desktop::web
