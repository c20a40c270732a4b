// The WebKitGTK engine: a WebKit view over the browser window's rectangle.
// The program's own navigation raises before-navigate inside the call; a
// navigation the page or one of its frames starts waits for the browser's
// answer (cancel: ignored). Documents are set up when a load commits and completed when it
// finishes; the host's style sheet is the view's user style sheet. An
// address that cannot be loaded shows WebKit's error page, which completes
// like any page. Events reach the program from its own message dispatch.
#pragma once

#include <webkit2/webkit2.h>

#include <memory>
#include <string>

#include "platform/desktop/gtk/webkit_document.h"
#include "platform/desktop/web/web_engine.h"

namespace desktop::gtk {

class GtkHost;

class WebKitEngine final : public web::WebEngine {
 public:
  WebKitEngine(web::EngineClient& client, GtkHost& host, HWND window);
  ~WebKitEngine() override;

  WebKitWebView* view() const { return view_; }

 protected:
  void NavigateImpl(const std::string& address) override;
  std::shared_ptr<web::WebDocument> DocumentImpl() const override { return document_; }
  void KeyReachedPageImpl(int virtualKey) override;
  bool ClickLinkImpl(const std::string&) override { return false; }

 private:
  static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, gpointer self);
  static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self);
  static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar*, GError* error, gpointer self);
  static gboolean OnButton(GtkWidget*, GdkEventButton* event, gpointer self);
  void AskBeforeNavigate(WebKitPolicyDecision* decision, std::string address, bool topLevel);
  void Committed();
  void Finished();
  void ApplyHostStyleSheet();

  GtkHost& host_;
  HWND window_;
  WebKitWebView* view_;
  std::shared_ptr<WebKitDocument> document_;
  bool approveNext_ = false;    // the program's navigation was asked about already
  bool errorPending_ = false;   // the load failed: the next page is the error page
  bool committed_ = false;      // a document committed since the last finish
  bool loading_ = false;        // between a page's commit and its finish
};

}  // namespace desktop::gtk
