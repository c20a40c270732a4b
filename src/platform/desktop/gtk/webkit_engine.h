// The WebKitGTK engine: a WebKit view over the browser window's rectangle.
// The program's own navigation raises before-navigate inside the call; a
// navigation the page or one of its frames starts waits for the browser's
// answer (cancel: ignored). Documents are set up when a load commits and completed when it
// finishes; the host's style sheet is the view's user style sheet. An
// address that cannot be loaded shows WebKit's error page, which completes
// like any page. Events reach the program from its own message dispatch.
// The view is made once the desktop's first frame is on the screen (or
// when the program needs it before), so that WebKit's loading and its
// helper processes do not hold up the launcher's first frame.
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

  // The page's view, made now if it is not there yet; null without WebKit.
  WebKitWebView* view();
  bool hasView() const { return view_ != nullptr; }

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
  // With start-up timings: the page's first paint after a commit.
  static gboolean OnDrawn(GtkWidget*, cairo_t*, gpointer self);
  // Makes the view (and loads WebKit, for the run's first); false when
  // WebKit cannot be loaded.
  bool EnsureView();
  void AskBeforeNavigate(WebKitPolicyDecision* decision, std::string address, bool topLevel);
  void Committed();
  void Finished();
  void ApplyHostStyleSheet();

  GtkHost& host_;
  HWND window_;
  WebKitWebView* view_ = nullptr;
  std::shared_ptr<WebKitDocument> document_;
  bool approveNext_ = false;    // the program's navigation was asked about already
  bool errorPending_ = false;   // the load failed: the next page is the error page
  bool committed_ = false;      // a document committed since the last finish
  bool loading_ = false;        // between a page's commit and its finish
  bool awaitingPaint_ = false;  // committed, not drawn since
  int viewTask_ = 0;            // the view's making, waiting for the first frame
};

}  // namespace desktop::gtk
