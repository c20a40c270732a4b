#include "platform/desktop/gtk/webkit_document.h"

#include "platform/desktop/gtk/javascript_call.h"
#include "platform/desktop/gtk/webkit_library.h"

namespace desktop::gtk {

WebKitDocument::WebKitDocument(WebKitWebView* view, std::string address)
    : view_(reinterpret_cast<WebKitWebView*>(g_object_ref(view))), address_(std::move(address)) {}

WebKitDocument::~WebKitDocument() { Detach(); }

void WebKitDocument::Detach() {
  if (view_) g_object_unref(view_);
  view_ = nullptr;
}

void WebKitDocument::BodyChanged() {
  if (!view_) return;
  RunScript(view_, "(function () { var b = document.body; if (!b) return;\n"
                   "  b.setAttribute('scroll', " + ScriptLiteral(body_.scroll) + ");\n"
                   "  b.style.overflow = " + ScriptLiteral(body_.overflow) + ";\n"
                   "  b.style.border = " + ScriptLiteral(body_.border) + "; })()");
}

bool WebKitDocument::HasScriptMember(const std::string& name) const {
  if (!view_) return false;
  web::ScriptOutcome outcome =
      RunScript(view_, "typeof window[" + ScriptLiteral(name) + "] === 'function'");
  return !outcome.threw && outcome.value.kind == web::ScriptValue::Kind::kBoolean &&
         outcome.value.boolean;
}

web::ScriptOutcome WebKitDocument::CallScript(const std::string& name,
                                              const std::vector<std::string>& arguments) {
  if (!view_) {
    web::ScriptOutcome gone;
    gone.threw = true;
    gone.error = "the document is no longer shown";
    return gone;
  }
  return RunScript(view_, CallScriptFunction(name, arguments));
}

}  // namespace desktop::gtk
