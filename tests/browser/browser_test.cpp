#include "tests/browser/browser_test.h"

#include "platform/desktop/session.h"

std::vector<CHtmlCtrl*> g_completedControls;

void RecordingHtmlCtrl::OnDocumentComplete(LPCSTR url) {
  CHtmlCtrl::OnDocumentComplete(url);
  completed.push_back(url);
  desktop::web::WebBrowser* engine = desktop::web::BrowserOf(m_hWnd);
  if (engine && engine->document()) topBodyAfterEvent.push_back(engine->document()->Body());
}

BOOL HostDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  browser.PassEnterToPage = TRUE;  // creation clears it
  created = browser.CreateFromPlaceholder(this, browserRect);
  if (passEnterToPage) browser.PassEnterToPage = TRUE;
  return TRUE;
}

void BrowserTest::SetUp() {
  PlatformTest::SetUp();
  app_.SetCurrentHandles(GetModuleHandleA(nullptr));
  g_completedControls.clear();
}

const desktop::ResourceSet* BrowserTest::Resources() {
  static const desktop::ResourceSet resources = [] {
    desktop::ResourceSet r;
    auto dialog = [](WORD id, int placeholderId) {
      return desktop::DialogResource{
          id,
          true,
          WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT,
          0,
          0,
          0,
          300,
          220,
          "Browser host",
          "MS Shell Dlg",
          8,
          {
              {"Static", "", WS_CHILD | WS_VISIBLE, 0, 5, 5, 40, 20, 1001, 0},
              {"Static", "", WS_CHILD, 0, 50, 5, 40, 20, placeholderId, 0},
              {"Static", "", WS_CHILD, 0, 100, 5, 40, 20, placeholderId, 0},
          }};
    };
    r.dialogs.push_back(dialog(IDD_BROWSER_HOST, -1));
    r.dialogs.push_back(dialog(IDD_BROWSER_NO_PLACEHOLDER, 1002));
    return r;
  }();
  return &resources;
}

void BrowserTest::UseSite(desktop::web::ScriptedSite site) {
  session().SetScriptedSite(std::make_shared<desktop::web::ScriptedSite>(std::move(site)));
}

void BrowserTest::UseSiteFile(const std::string& name) {
  UseSite(desktop::web::ScriptedSite::Load(std::string(TESSAL_BROWSER_SITES) + "/" + name));
}

desktop::web::WebBrowser& BrowserTest::Engine(CHtmlCtrl& control) {
  return *desktop::web::BrowserOf(control.m_hWnd);
}

std::string BrowserTest::Shown(CHtmlCtrl& control) {
  auto document = Engine(control).document();
  return document ? document->Address() : "(none)";
}

bool RecordNavigation(const char* url, void* context) {
  auto* log = static_cast<CallbackLog*>(context);
  log->navigations.push_back(url);
  return !log->cancelWhenContaining.empty() &&
         std::string(url).find(log->cancelWhenContaining) != std::string::npos;
}

void RecordCompletion(CHtmlCtrl* control) { g_completedControls.push_back(control); }
