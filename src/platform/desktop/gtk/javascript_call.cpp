#include "platform/desktop/gtk/javascript_call.h"

#include <cstdio>

#include "platform/desktop/gtk/webkit_library.h"

namespace desktop::gtk {
namespace {

constexpr guint kLongestWaitMs = 10000;

// One call in flight. It outlives the wait when the page does not answer in
// time: the late reply frees it.
struct PendingCall {
  bool done = false;
  bool abandoned = false;
  web::ScriptOutcome outcome;
};

web::ScriptValue ValueOf(JSCValue* value) {
  web::ScriptValue out;
  if (WebKit().jsc_value_is_string(value)) {
    out.kind = web::ScriptValue::Kind::kString;
    char* text = WebKit().jsc_value_to_string(value);
    out.text = text ? text : "";
    g_free(text);
  } else if (WebKit().jsc_value_is_number(value)) {
    out.kind = web::ScriptValue::Kind::kNumber;
    out.number = WebKit().jsc_value_to_double(value);
  } else if (WebKit().jsc_value_is_boolean(value)) {
    out.kind = web::ScriptValue::Kind::kBoolean;
    out.boolean = WebKit().jsc_value_to_boolean(value);
  } else if (WebKit().jsc_value_is_null(value)) {
    out.kind = web::ScriptValue::Kind::kNull;
  }
  return out;  // undefined, objects and functions: undefined
}

void Finished(GObject* view, GAsyncResult* result, gpointer data) {
  auto* call = static_cast<PendingCall*>(data);
  GError* error = nullptr;
  JSCValue* value = WebKit().webkit_web_view_evaluate_javascript_finish(
      reinterpret_cast<WebKitWebView*>(view), result, &error);
  if (call->abandoned) {
    if (value) g_object_unref(value);
    if (error) g_error_free(error);
    delete call;
    return;
  }
  if (error) {
    call->outcome.threw = true;
    call->outcome.error = error->message;
    g_error_free(error);
  } else if (value) {
    call->outcome.value = ValueOf(value);
    g_object_unref(value);
  }
  call->done = true;
}

gboolean MarkPassed(gpointer passed) {
  *static_cast<bool*>(passed) = true;
  return G_SOURCE_REMOVE;
}

}  // namespace

web::ScriptOutcome RunScript(WebKitWebView* view, const std::string& script) {
  auto* call = new PendingCall;
  WebKit().webkit_web_view_evaluate_javascript(view, script.data(),
                                               static_cast<gssize>(script.size()), nullptr, nullptr,
                                               nullptr, Finished, call);
  bool passed = false;
  guint timer = g_timeout_add(kLongestWaitMs, MarkPassed, &passed);
  while (!call->done && !passed) g_main_context_iteration(nullptr, TRUE);
  if (!passed) g_source_remove(timer);
  if (!call->done) {
    call->abandoned = true;
    web::ScriptOutcome outcome;
    outcome.threw = true;
    outcome.error = "the page did not answer";
    return outcome;
  }
  web::ScriptOutcome outcome = std::move(call->outcome);
  delete call;
  return outcome;
}

std::string ScriptLiteral(const std::string& utf8) {
  std::string out = "\"";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else if (c == 0xE2 && i + 2 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) == 0x80 &&
               (static_cast<unsigned char>(utf8[i + 2]) == 0xA8 ||
                static_cast<unsigned char>(utf8[i + 2]) == 0xA9)) {
      // U+2028 and U+2029 end a line in older scripts.
      out += static_cast<unsigned char>(utf8[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
      i += 2;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string CallScriptFunction(const std::string& name, const std::vector<std::string>& arguments) {
  std::string list;
  for (const std::string& argument : arguments) {
    if (!list.empty()) list += ", ";
    list += ScriptLiteral(argument);
  }
  std::string quoted = ScriptLiteral(name);
  return "(function () { var f = window[" + quoted + "];\n"
         "  if (typeof f !== 'function') throw new TypeError('no function ' + " + quoted + ");\n"
         "  return f.apply(window, [" + list + "]); })()";
}

}  // namespace desktop::gtk
