// A page loaded in a WebKit view, as the browser control sees a document:
// its address, whether it is the error page, the body's attributes the host
// restyles (applied to the live page) and its script's functions. Once the
// view shows another page, or goes, the document is detached and its
// script calls fail.
#pragma once

#include <webkit2/webkit2.h>

#include <string>
#include <vector>

#include "platform/desktop/web/web_engine.h"

namespace desktop::gtk {

class WebKitDocument final : public web::WebDocument {
 public:
  WebKitDocument(WebKitWebView* view, std::string address);
  ~WebKitDocument() override;
  WebKitDocument(const WebKitDocument&) = delete;
  WebKitDocument& operator=(const WebKitDocument&) = delete;

  const std::string& Address() const override { return address_; }
  bool IsErrorPage() const override { return errorPage_; }
  web::BodyStyle& Body() override { return body_; }
  void BodyChanged() override;
  bool HasScriptMember(const std::string& name) const override;
  web::ScriptOutcome CallScript(const std::string& name,
                                const std::vector<std::string>& arguments) override;
  const std::vector<web::ScriptCall>& ScriptCalls() const override { return calls_; }
  std::vector<std::shared_ptr<web::WebDocument>> Frames() const override { return {}; }

  void MarkErrorPage() { errorPage_ = true; }
  void Detach();

 private:
  WebKitWebView* view_;  // one reference, until detached
  std::string address_;
  bool errorPage_ = false;
  web::BodyStyle body_;
  std::vector<web::ScriptCall> calls_;  // the page's own calls are not observed
};

}  // namespace desktop::gtk
