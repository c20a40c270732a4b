// The fixture of the browser control's tests: a dialog with a placeholder
// that hosts a CHtmlCtrl, on the headless desktop with a scripted site.
#pragma once

#include <string>
#include <vector>

#include "browser/html_ctrl.h"
#include "platform/desktop/web/scripted_site.h"
#include "platform/desktop/web/web_browser.h"
#include "tests/support/platform_test.h"

#define IDD_BROWSER_HOST 300            // two placeholder statics (id -1)
#define IDD_BROWSER_NO_PLACEHOLDER 301  // statics with ids of their own only

// The control as the dialogs use it, recording each document-complete
// event and the top-level body as it was right after the event.
class RecordingHtmlCtrl : public CHtmlCtrl {
 public:
  std::vector<std::string> completed;
  std::vector<desktop::web::BodyStyle> topBodyAfterEvent;

  // The protected host-information answer, for a look at its values.
  HRESULT AskHostInfo(DOCHOSTUIINFO* info) { return OnGetHostInfo(info); }

 protected:
  void OnDocumentComplete(LPCSTR url) override;
};

class HostDialog : public CDialog {
 public:
  explicit HostDialog(UINT templateId = IDD_BROWSER_HOST) : CDialog(templateId) {}
  RecordingHtmlCtrl browser;
  CRect browserRect{10, 20, 410, 320};
  BOOL created = FALSE;
  BOOL passEnterToPage = FALSE;

  BOOL OnInitDialog() override;
};

class BrowserTest : public PlatformTest {
 protected:
  void SetUp() override;
  const desktop::ResourceSet* Resources() override;

  // The site browsers created from now on serve.
  void UseSite(desktop::web::ScriptedSite site);
  void UseSiteFile(const std::string& name);  // from tests/browser/sites
  // The desktop's browser behind a control.
  desktop::web::WebBrowser& Engine(CHtmlCtrl& control);
  std::string Shown(CHtmlCtrl& control);

  CWinApp app_;
};

// What the callbacks saw, through their context.
struct CallbackLog {
  std::vector<std::string> navigations;
  std::string cancelWhenContaining;  // empty: cancel nothing
};
bool RecordNavigation(const char* url, void* context);
// Every control whose one-shot callback ran, in order.
extern std::vector<CHtmlCtrl*> g_completedControls;
void RecordCompletion(CHtmlCtrl* control);
