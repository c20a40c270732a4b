#include "platform/desktop/web/scripted_engine.h"

#include "platform/api/user_constants.h"

namespace desktop::web {
namespace {

constexpr const char* kBlankPage = "about:blank";
constexpr int kDeepestFrame = 4;  // a page that frames itself stops here

const ScriptedPage& BlankPage() {
  static const ScriptedPage blank;
  return blank;
}

}  // namespace

ScriptedDocument::ScriptedDocument(std::string address, const ScriptedPage* page)
    : address_(std::move(address)), errorPage_(page == nullptr) {
  if (page) page_ = *page;
  body_ = page_.bodyStyle;
}

bool ScriptedDocument::HasScriptMember(const std::string& name) const {
  return page_.functions.count(name) != 0;
}

ScriptOutcome ScriptedDocument::CallScript(const std::string& name,
                                           const std::vector<std::string>& arguments) {
  calls_.push_back({name, arguments});
  ScriptOutcome outcome;
  auto it = page_.functions.find(name);
  if (it == page_.functions.end()) {
    outcome.threw = true;
    outcome.error = name + " is not a function";
  } else if (it->second.throws) {
    outcome.threw = true;
    outcome.error = *it->second.throws;
  } else {
    outcome.value = it->second.result;
  }
  return outcome;
}

std::vector<std::shared_ptr<WebDocument>> ScriptedDocument::Frames() const {
  return {frames_.begin(), frames_.end()};
}

std::vector<std::string> ScriptedDocument::LinkNames() const {
  std::vector<std::string> names;
  for (const auto& link : page_.links) names.push_back(link.first);
  return names;
}

ScriptedEngine::ScriptedEngine(EngineClient& client, std::shared_ptr<const ScriptedSite> site)
    : WebEngine(client), site_(std::move(site)) {}

void ScriptedEngine::NavigateImpl(const std::string& requested) {
  std::string address = requested.empty() ? kBlankPage : requested;
  unsigned before = navigations_;
  if (client().BeforeNavigate(address, true)) return;  // cancelled: nothing changes
  // A handler that started a navigation of its own has replaced this one.
  if (navigations_ != before) return;
  unsigned navigation = ++navigations_;
  client().Schedule(0, [this, address, navigation] { Load(address, navigation); });
}

const ScriptedPage* ScriptedEngine::Serve(const std::string& address) {
  if (address == kBlankPage) return &BlankPage();
  const ScriptedPage* page = site_ ? site_->Find(address) : nullptr;
  if (page && page->revisit && loads_[address]++ > 0) return page->revisit.get();
  return page;
}

void ScriptedEngine::Load(const std::string& address, unsigned navigation) {
  if (navigation != navigations_) return;
  const ScriptedPage* page = Serve(address);
  document_ = std::make_shared<ScriptedDocument>(address, page);
  unsigned pageNumber = ++pages_;
  std::shared_ptr<ScriptedDocument> document = document_;
  client().DocumentSetUp(*document);
  if (!LoadFrames(*document, navigation, 1)) return;
  if (!CompleteFrames(*document, navigation)) return;
  client().DocumentComplete(address, true);
  if (navigation != navigations_) return;

  const ScriptedPage& loaded = document->page();
  if (loaded.onLoad) {
    std::string next = *loaded.onLoad;
    client().Schedule(0, [this, pageNumber, next] { PageNavigates(pageNumber, next); });
  }
  if (loaded.after) {
    std::string next = loaded.after->address;
    client().Schedule(loaded.after->ms,
                      [this, pageNumber, next] { PageNavigates(pageNumber, next); });
  }
}

bool ScriptedEngine::LoadFrames(ScriptedDocument& parent, unsigned navigation, int depth) {
  if (depth > kDeepestFrame) return true;
  for (const std::string& address : parent.page().frames) {
    bool cancelled = client().BeforeNavigate(address, false);
    if (navigation != navigations_) return false;
    if (cancelled) continue;
    const ScriptedPage* page = address == kBlankPage ? &BlankPage()
                               : site_               ? site_->Find(address)
                                                     : nullptr;
    auto frame = std::make_shared<ScriptedDocument>(address, page);
    parent.frames().push_back(frame);
    client().DocumentSetUp(*frame);
    if (!LoadFrames(*frame, navigation, depth + 1)) return false;
  }
  return true;
}

// Inner frames complete before the frames that hold them.
bool ScriptedEngine::CompleteFrames(ScriptedDocument& parent, unsigned navigation) {
  std::vector<std::shared_ptr<ScriptedDocument>> frames = parent.frames();
  for (const std::shared_ptr<ScriptedDocument>& frame : frames) {
    if (!CompleteFrames(*frame, navigation)) return false;
    client().DocumentComplete(frame->Address(), false);
    if (navigation != navigations_) return false;
  }
  return true;
}

void ScriptedEngine::PageNavigates(unsigned page, const std::string& address) {
  if (page == pages_) NavigateImpl(address);
}

void ScriptedEngine::KeyReachedPageImpl(int virtualKey) {
  if (virtualKey == VK_RETURN && document_ && document_->page().onEnter) {
    NavigateImpl(*document_->page().onEnter);
  }
}

bool ScriptedEngine::ClickLinkImpl(const std::string& name) {
  if (!document_) return false;
  auto it = document_->page().links.find(name);
  if (it == document_->page().links.end()) return false;
  NavigateImpl(it->second);
  return true;
}

}  // namespace desktop::web
