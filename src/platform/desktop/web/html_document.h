// The document model a browser hands out through COM: the document
// (IHTMLDocument2), its body (IHTMLElement, IHTMLBodyElement), the body's
// style (IHTMLStyle) and the script object (IDispatch), over a WebDocument
// of the engine. Each object keeps the document alive while it is held.
#pragma once

#include <memory>

#include "platform/api/mshtml_functions.h"
#include "platform/desktop/web/web_engine.h"

namespace desktop::web {

// A new document object with one reference.
IHTMLDocument2* NewHtmlDocument(std::shared_ptr<WebDocument> document);

}  // namespace desktop::web
