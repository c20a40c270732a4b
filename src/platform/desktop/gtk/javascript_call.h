// Script run in a WebKit view, made synchronous: the loop is pumped until
// the page answers, for a bounded time, so a page that died or hangs gives
// an error instead of a hang.
#pragma once

#include <webkit2/webkit2.h>

#include <string>
#include <vector>

#include "platform/desktop/web/web_engine.h"

namespace desktop::gtk {

// Runs `script` in the page's main world and waits for its value.
web::ScriptOutcome RunScript(WebKitWebView* view, const std::string& script);

// A UTF-8 string as a JavaScript string literal.
std::string ScriptLiteral(const std::string& utf8);

// The script that calls the page's global function `name` with string
// arguments, throwing when there is no such function.
std::string CallScriptFunction(const std::string& name, const std::vector<std::string>& arguments);

}  // namespace desktop::gtk
