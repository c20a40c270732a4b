// The scripted engine: serves the pages of a ScriptedSite. A navigation
// raises before-navigate at once; the page loads at the next message
// dispatch, raising before-navigate for each frame, then document complete
// for each frame and for the page. An address the site lacks gives an error
// page (which still has a document); "about:blank" is built in and an empty
// address opens it, as browsers do.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/web/scripted_site.h"
#include "platform/desktop/web/web_engine.h"

namespace desktop::web {

class ScriptedDocument final : public WebDocument {
 public:
  ScriptedDocument(std::string address, const ScriptedPage* page);

  const std::string& Address() const override { return address_; }
  bool IsErrorPage() const override { return errorPage_; }
  BodyStyle& Body() override { return body_; }
  bool HasScriptMember(const std::string& name) const override;
  ScriptOutcome CallScript(const std::string& name,
                           const std::vector<std::string>& arguments) override;
  const std::vector<ScriptCall>& ScriptCalls() const override { return calls_; }
  std::vector<std::shared_ptr<WebDocument>> Frames() const override;
  std::string Title() const override { return page_.title; }
  std::vector<std::string> LinkNames() const override;

  const ScriptedPage& page() const { return page_; }
  std::vector<std::shared_ptr<ScriptedDocument>>& frames() { return frames_; }

 private:
  std::string address_;
  bool errorPage_;
  ScriptedPage page_;
  BodyStyle body_;
  std::vector<ScriptCall> calls_;
  std::vector<std::shared_ptr<ScriptedDocument>> frames_;
};

class ScriptedEngine final : public WebEngine {
 public:
  // A null site serves only "about:blank"; everything else is an error page.
  ScriptedEngine(EngineClient& client, std::shared_ptr<const ScriptedSite> site);

 protected:
  void NavigateImpl(const std::string& address) override;
  std::shared_ptr<WebDocument> DocumentImpl() const override { return document_; }
  void KeyReachedPageImpl(int virtualKey) override;
  bool ClickLinkImpl(const std::string& name) override;

 private:
  void Load(const std::string& address, unsigned navigation);
  bool LoadFrames(ScriptedDocument& parent, unsigned navigation, int depth);
  bool CompleteFrames(ScriptedDocument& parent, unsigned navigation);
  // A navigation the page starts by itself, if the page is still current.
  void PageNavigates(unsigned page, const std::string& address);

  // The page served for a top-level load of the address: its revisit
  // after the first load, when it has one.
  const ScriptedPage* Serve(const std::string& address);

  std::shared_ptr<const ScriptedSite> site_;
  std::map<std::string, unsigned> loads_;  // top-level loads by address
  std::shared_ptr<ScriptedDocument> document_;
  unsigned navigations_ = 0;  // navigations that went ahead; a newer one stops an older one
  unsigned pages_ = 0;        // top-level documents set up
};

}  // namespace desktop::web
