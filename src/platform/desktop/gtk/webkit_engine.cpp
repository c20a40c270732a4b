#include "platform/desktop/gtk/webkit_engine.h"

#include "platform/desktop/gtk/gtk_host.h"
#include "platform/desktop/gtk/webkit_library.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/startup_timings.h"

namespace desktop::gtk {
namespace {

// A decision the browser has not answered yet; one nobody answers (the
// browser went first) is ignored.
using HeldDecision = std::shared_ptr<WebKitPolicyDecision>;
HeldDecision Hold(WebKitPolicyDecision* decision) {
  g_object_ref(decision);
  return HeldDecision(decision, [](WebKitPolicyDecision* d) {
    WebKit().webkit_policy_decision_ignore(d);  // without effect once answered
    g_object_unref(d);
  });
}

// Failures that are no error page: a navigation stopped or replaced.
bool IsStop(const GError* error) {
  return g_error_matches(error, WebKit().webkit_network_error_quark(),
                         WEBKIT_NETWORK_ERROR_CANCELLED) ||
         error->domain == WebKit().webkit_policy_error_quark();
}

}  // namespace

WebKitEngine::WebKitEngine(web::EngineClient& client, GtkHost& host, HWND window)
    : WebEngine(client), host_(host), window_(window) {
  // The view (WebKit itself, on the run's first view) is made once the
  // first frame is on the screen, or when it is needed before.
  viewTask_ = host_.AfterFirstFrame([this] {
    viewTask_ = 0;
    EnsureView();
  });
}

WebKitEngine::~WebKitEngine() {
  if (viewTask_) host_.CancelAfterFirstFrame(viewTask_);
  if (document_) document_->Detach();
  if (!view_) return;
  g_signal_handlers_disconnect_by_data(view_, this);
  host_.Unembed(window_);
}

bool WebKitEngine::EnsureView() {
  if (view_) return true;
  WebKitWebContext* context = host_.webContext();
  if (!context) return false;  // WebKit could not be loaded: the transcript says why
  startup::Scope timing("web view created");
  view_ = reinterpret_cast<WebKitWebView*>(WebKit().webkit_web_view_new_with_context(context));
  WebKitSettings* settings = WebKit().webkit_web_view_get_settings(view_);
  WebKit().webkit_settings_set_hardware_acceleration_policy(
      settings, WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  g_signal_connect(view_, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
  g_signal_connect(view_, "load-changed", G_CALLBACK(OnLoadChanged), this);
  g_signal_connect(view_, "load-failed", G_CALLBACK(OnLoadFailed), this);
  g_signal_connect(view_, "button-press-event", G_CALLBACK(OnButton), this);
  g_signal_connect(view_, "button-release-event", G_CALLBACK(OnButton), this);
  if (startup::Enabled()) g_signal_connect_after(view_, "draw", G_CALLBACK(OnDrawn), this);
  host_.Embed(window_, GTK_WIDGET(view_));
  return true;
}

WebKitWebView* WebKitEngine::view() {
  EnsureView();
  return view_;
}

void WebKitEngine::NavigateImpl(const std::string& address) {
  if (client().BeforeNavigate(address, true)) return;
  approveNext_ = true;
  errorPending_ = false;
  if (!EnsureView()) return;
  startup::Moment("page requested");
  WebKit().webkit_web_view_load_uri(view_, address.empty() ? "about:blank" : address.c_str());
}

void WebKitEngine::KeyReachedPageImpl(int virtualKey) {
  GdkEvent* event = host_.TakeKeyPress(virtualKey);
  if (!event) return;
  if (!EnsureView()) {
    gdk_event_free(event);
    return;
  }
  gtk_widget_grab_focus(GTK_WIDGET(view_));
  gtk_widget_event(GTK_WIDGET(view_), event);
  // The page gets the key's release with it: WebKit's input handling waits
  // for one before it takes the next press of a key as a new key.
  event->type = GDK_KEY_RELEASE;
  gtk_widget_event(GTK_WIDGET(view_), event);
  gdk_event_free(event);
}

gboolean WebKitEngine::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                      WebKitPolicyDecisionType type, gpointer self) {
  auto* engine = static_cast<WebKitEngine*>(self);
  if (type == WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) {
    WebKit().webkit_policy_decision_ignore(decision);  // the control opens no windows of its own
    return TRUE;
  }
  if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) return FALSE;
  WebKitNavigationAction* action = WebKit().webkit_navigation_policy_decision_get_navigation_action(
      reinterpret_cast<WebKitNavigationPolicyDecision*>(decision));
  if (engine->approveNext_ || WebKit().webkit_navigation_action_is_redirect(action)) {
    engine->approveNext_ = false;
    WebKit().webkit_policy_decision_use(decision);
    return TRUE;
  }
  const char* uri =
      WebKit().webkit_uri_request_get_uri(WebKit().webkit_navigation_action_get_request(action));
  // WebKit does not say which frame navigates. A navigation aimed at a named
  // frame, or one the page's load makes by itself before it finishes (an
  // iframe's source), is taken as a frame's; anything else is the page's.
  bool frame = WebKit().webkit_navigation_action_get_frame_name(action) != nullptr ||
               (engine->loading_ && !WebKit().webkit_navigation_action_is_user_gesture(action));
  engine->AskBeforeNavigate(decision, uri ? uri : "", !frame);
  return TRUE;
}

void WebKitEngine::AskBeforeNavigate(WebKitPolicyDecision* decision, std::string address,
                                     bool topLevel) {
  HeldDecision held = Hold(decision);
  client().Schedule(0, [this, held, address, topLevel] {
    if (client().BeforeNavigate(address, topLevel)) return;  // ignored as `held` goes
    if (topLevel) errorPending_ = false;
    WebKit().webkit_policy_decision_use(held.get());
  });
}

gboolean WebKitEngine::OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar*, GError* error,
                                    gpointer self) {
  if (!IsStop(error)) {
    auto* engine = static_cast<WebKitEngine*>(self);
    engine->errorPending_ = true;
    engine->approveNext_ = false;
  }
  return FALSE;  // WebKit shows its error page
}

void WebKitEngine::OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self) {
  auto* engine = static_cast<WebKitEngine*>(self);
  if (event == WEBKIT_LOAD_COMMITTED) engine->Committed();
  if (event == WEBKIT_LOAD_FINISHED) engine->Finished();
}

void WebKitEngine::Committed() {
  startup::Moment("page committed");
  awaitingPaint_ = true;
  if (document_) document_->Detach();
  const char* uri = WebKit().webkit_web_view_get_uri(view_);
  document_ = std::make_shared<WebKitDocument>(view_, uri ? uri : "");
  if (errorPending_) document_->MarkErrorPage();
  errorPending_ = false;
  committed_ = true;
  loading_ = true;
  std::shared_ptr<WebKitDocument> document = document_;
  client().Schedule(0, [this, document] {
    client().DocumentSetUp(*document);
    ApplyHostStyleSheet();
  });
}

void WebKitEngine::Finished() {
  // A load that failed before it committed finishes too; its error page
  // completes instead.
  if (!committed_) return;
  committed_ = false;
  loading_ = false;
  startup::Moment("page loaded");
  if (!awaitingPaint_) startup::Finish();  // else at the first paint, which may come later
  std::string address = document_->Address();
  client().Schedule(0, [this, address] { client().DocumentComplete(address, true); });
}

void WebKitEngine::ApplyHostStyleSheet() {
  WebKitUserContentManager* content = WebKit().webkit_web_view_get_user_content_manager(view_);
  WebKit().webkit_user_content_manager_remove_all_style_sheets(content);
  std::string sheet = client().HostStyleSheet();
  if (sheet.empty()) return;
  WebKitUserStyleSheet* style =
      WebKit().webkit_user_style_sheet_new(sheet.c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                                           WEBKIT_USER_STYLE_LEVEL_USER, nullptr, nullptr);
  WebKit().webkit_user_content_manager_add_style_sheet(content, style);
  WebKit().webkit_user_style_sheet_unref(style);
}

gboolean WebKitEngine::OnDrawn(GtkWidget*, cairo_t*, gpointer self) {
  auto* engine = static_cast<WebKitEngine*>(self);
  if (!engine->awaitingPaint_) return FALSE;
  engine->awaitingPaint_ = false;
  startup::Moment("page first paint");
  if (!engine->loading_) startup::Finish();
  return FALSE;
}

gboolean WebKitEngine::OnButton(GtkWidget*, GdkEventButton* event, gpointer self) {
  // The desktop hears the click too (focus, activation); the page acts on it.
  int key = event->button == 1 ? VK_LBUTTON : event->button == 3 ? VK_RBUTTON : 0;
  if (!key || (event->type != GDK_BUTTON_PRESS && event->type != GDK_BUTTON_RELEASE)) return FALSE;
  bool down = event->type == GDK_BUTTON_PRESS;
  InjectMouseMove(POINT{static_cast<LONG>(event->x_root), static_cast<LONG>(event->y_root)});
  static_cast<WebKitEngine*>(self)->host_.HoldKey(key, down);
  InjectMouseButton(key, down);
  return FALSE;
}

}  // namespace desktop::gtk
