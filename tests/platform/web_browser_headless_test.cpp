// The desktop's browser control over the scripted engine: the order of its
// events, the page's own navigations on the virtual clock, built-in and
// error pages, the host's information, and reading site files.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/codepage.h"
#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "platform/desktop/web/scripted_site.h"
#include "platform/desktop/web/web_browser.h"
#include "tests/support/platform_test.h"

namespace {

using desktop::web::BodyStyle;
using desktop::web::ScriptedPage;
using desktop::web::ScriptedSite;
using desktop::web::SiteError;
using desktop::web::WebBrowser;

// Every event as "before top a", "before frame b", "complete frame b",
// "complete top a", "host info".
class EventLog : public desktop::web::BrowserEvents {
 public:
  std::vector<std::string> events;
  std::vector<DWORD> times;
  std::string cancelAddress;  // before-navigate for this address is cancelled
  HRESULT hostAnswer = E_NOTIMPL;

  void BeforeNavigate(const std::u16string& address, bool topLevel, bool* cancel) override {
    std::string text = desktop::Utf16ToUtf8(address);
    Add(std::string("before ") + (topLevel ? "top " : "frame ") + text);
    *cancel = text == cancelAddress;
  }
  void DocumentComplete(const std::u16string& address, bool topLevel) override {
    Add(std::string("complete ") + (topLevel ? "top " : "frame ") + desktop::Utf16ToUtf8(address));
  }
  HRESULT GetHostInfo(DOCHOSTUIINFO* info) override {
    Add("host info");
    if (SUCCEEDED(hostAnswer)) {
      info->dwFlags = DOCHOSTUIFLAG_SCROLL_NO;
      info->pchHostCss = Copy(u"body { background-color: #102030 }");
      info->pchHostNS = Copy(u"IE");
    }
    return hostAnswer;
  }

 private:
  void Add(std::string event) {
    events.push_back(std::move(event));
    times.push_back(GetTickCount());
  }
  static OLECHAR* Copy(const std::u16string& text) {
    auto* copy = static_cast<OLECHAR*>(CoTaskMemAlloc((text.size() + 1) * sizeof(OLECHAR)));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, copy);
    return copy;
  }
};

ScriptedSite TestSite() {
  ScriptedSite site;
  site.pages["http://game.test/frames.html"].frames = {"http://game.test/left.html",
                                                       "http://game.test/right.html"};
  site.pages["http://game.test/left.html"].frames = {"http://game.test/inner.html"};
  site.pages["http://game.test/right.html"];
  site.pages["http://game.test/inner.html"];
  site.pages["http://game.test/redirect.html"].onLoad = "http://game.test/target.html";
  site.pages["http://game.test/target.html"];
  site.pages["http://game.test/form.html"].onEnter = "http://game.test/sent.html";
  site.pages["http://game.test/sent.html"];
  site.pages["http://game.test/slow.html"].after =
      ScriptedPage::Delayed{1500, "http://game.test/target.html"};
  site.pages["http://game.test/links.html"].links["next"] = "http://game.test/target.html";
  ScriptedPage welcomeBack;
  welcomeBack.links["again"] = "http://game.test/target.html";
  site.pages["http://game.test/login.html"].links["first"] = "http://game.test/target.html";
  site.pages["http://game.test/login.html"].revisit =
      std::make_shared<const ScriptedPage>(welcomeBack);
  return site;
}

class WebBrowserTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    session().SetScriptedSite(std::make_shared<ScriptedSite>(TestSite()));
    window_ = CreateWindowExA(0, desktop::web::kBrowserClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                              400, 300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
    browser().SetEvents(&log_);
  }
  void TearDown() override {
    DestroyWindow(window_);
    PlatformTest::TearDown();
  }
  WebBrowser& browser() { return *desktop::web::BrowserOf(window_); }
  void Open(const std::string& address) {
    browser().Navigate(desktop::Utf8ToUtf16(address));
    Pump();
  }
  std::string Shown() {
    auto document = browser().document();
    return document ? document->Address() : "(none)";
  }

  HWND window_ = nullptr;
  EventLog log_;
};

TEST_F(WebBrowserTest, FramesRaiseTheirEventsInTheBrowsersOrder) {
  browser().Navigate(u"http://game.test/frames.html");
  // The first before-navigate comes before Navigate returns; loading waits
  // for the message loop.
  EXPECT_EQ(log_.events, std::vector<std::string>{"before top http://game.test/frames.html"});
  EXPECT_EQ(Shown(), "(none)");
  Pump();
  EXPECT_EQ(log_.events, (std::vector<std::string>{
                             "before top http://game.test/frames.html",
                             "host info",
                             "before frame http://game.test/left.html",
                             "host info",
                             "before frame http://game.test/inner.html",
                             "host info",
                             "before frame http://game.test/right.html",
                             "host info",
                             "complete frame http://game.test/inner.html",
                             "complete frame http://game.test/left.html",
                             "complete frame http://game.test/right.html",
                             "complete top http://game.test/frames.html",
                         }));
  EXPECT_EQ(browser().hostInformation().requests, 4);
}

TEST_F(WebBrowserTest, ACancelledFrameIsNeitherLoadedNorCompleted) {
  log_.cancelAddress = "http://game.test/left.html";
  Open("http://game.test/frames.html");
  ASSERT_EQ(browser().document()->Frames().size(), 1u);
  EXPECT_EQ(browser().document()->Frames()[0]->Address(), "http://game.test/right.html");
  // Only the cancelled navigation itself is heard of; its inner frame never is.
  auto mentions = [&](const std::string& name) {
    return std::count_if(log_.events.begin(), log_.events.end(),
                         [&](const std::string& e) { return e.find(name) != std::string::npos; });
  };
  EXPECT_EQ(mentions("left.html"), 1);
  EXPECT_EQ(mentions("inner.html"), 0);
  EXPECT_EQ(log_.events.back(), "complete top http://game.test/frames.html");
}

TEST_F(WebBrowserTest, ACancelledNavigationLeavesThePageAsItWas) {
  Open("http://game.test/target.html");
  log_.cancelAddress = "http://game.test/form.html";
  Open("http://game.test/form.html");
  EXPECT_EQ(Shown(), "http://game.test/target.html");
  EXPECT_EQ(log_.events.back(), "before top http://game.test/form.html");
}

TEST_F(WebBrowserTest, APageNavigatesOnLoadOnEnterAndOnItsLinks) {
  Open("http://game.test/redirect.html");
  EXPECT_EQ(Shown(), "http://game.test/target.html");  // the redirect follows in the same loop

  Open("http://game.test/form.html");
  SendMessageA(window_, WM_KEYDOWN, 'X', 0);
  Pump();
  EXPECT_EQ(Shown(), "http://game.test/form.html");  // only Enter sends the form
  SendMessageA(window_, WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_EQ(Shown(), "http://game.test/sent.html");
  ASSERT_EQ(browser().pageKeys().size(), 2u);
  EXPECT_EQ(browser().pageKeys()[1].wParam, static_cast<WPARAM>(VK_RETURN));

  Open("http://game.test/links.html");
  EXPECT_FALSE(browser().engine().ClickLink("missing"));
  EXPECT_TRUE(browser().engine().ClickLink("next"));
  Pump();
  EXPECT_EQ(Shown(), "http://game.test/target.html");
}

// A page with a revisit is itself on the first load only; another browser
// starts afresh.
TEST_F(WebBrowserTest, APageThatChangesBetweenVisitsServesItsRevisitFromTheSecondLoad) {
  const char* kLogin = "http://game.test/login.html";
  auto links = [](WebBrowser& shown) { return shown.document()->LinkNames(); };
  Open(kLogin);
  EXPECT_EQ(links(browser()), std::vector<std::string>{"first"});
  Open("http://game.test/target.html");
  for (int visit = 2; visit <= 3; ++visit) {
    Open(kLogin);
    EXPECT_EQ(links(browser()), std::vector<std::string>{"again"}) << visit;
  }
  HWND other = CreateWindowExA(0, desktop::web::kBrowserClassName, "", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, nullptr, nullptr);
  WebBrowser& fresh = *desktop::web::BrowserOf(other);
  fresh.Navigate(desktop::Utf8ToUtf16(kLogin));
  Pump();
  EXPECT_EQ(links(fresh), std::vector<std::string>{"first"});
  DestroyWindow(other);
}

TEST_F(WebBrowserTest, ADelayedNavigationFollowsTheHostsClockAndWakesAWaitingLoop) {
  Open("http://game.test/slow.html");
  DWORD loaded = GetTickCount();
  log_.events.clear();
  log_.times.clear();
  // Nothing else is queued: the loop waits, and the page's timer wakes it.
  user().Wait(3000);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
  EXPECT_EQ(Shown(), "http://game.test/target.html");
  ASSERT_FALSE(log_.times.empty());
  EXPECT_EQ(log_.events.front(), "before top http://game.test/target.html");
  EXPECT_EQ(log_.times.front() - loaded, 1500u);
}

TEST_F(WebBrowserTest, ADelayedNavigationOfAPageThatWasLeftNeverHappens) {
  Open("http://game.test/slow.html");
  Pass(500);
  Open("http://game.test/form.html");
  Pass(2000);
  EXPECT_EQ(Shown(), "http://game.test/form.html");
}

TEST_F(WebBrowserTest, BlankEmptyAndUnknownAddressesAllGiveADocument) {
  struct Case {
    const char* requested;
    const char* shown;
    bool error;
  };
  for (Case c :
       {Case{"about:blank", "about:blank", false}, Case{"", "about:blank", false},
        Case{"http://nowhere.test/", "http://nowhere.test/", true},
        Case{"http://game.test/target.html#top", "http://game.test/target.html#top", false}}) {
    log_.events.clear();
    Open(c.requested);
    ASSERT_NE(browser().document(), nullptr) << c.requested;
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(browser().document()->IsErrorPage(), c.error) << c.requested;
    EXPECT_EQ(log_.events.back(), std::string("complete top ") + c.shown);
  }
}

TEST_F(WebBrowserTest, TheHostsInformationIsAppliedOrTheBrowserKeepsItsOwnLook) {
  Open("about:blank");
  EXPECT_TRUE(browser().ShowsScrollBars());  // the host gave nothing
  EXPECT_TRUE(browser().HasThreeDBorder());
  EXPECT_EQ(browser().Background(), "#ffffff");

  log_.hostAnswer = S_OK;
  Open("about:blank");
  EXPECT_FALSE(browser().ShowsScrollBars());
  EXPECT_TRUE(browser().HasThreeDBorder());
  EXPECT_EQ(browser().Background(), "#102030");
  EXPECT_EQ(browser().hostInformation().namespaces, u"IE");
}

TEST_F(WebBrowserTest, TheDocumentIsOneObjectUntilTheNextPage) {
  EXPECT_EQ(browser().Document(), nullptr);
  Open("about:blank");
  IDispatch* first = browser().Document();
  IDispatch* again = browser().Document();
  EXPECT_EQ(first, again);
  Open("http://game.test/target.html");
  IDispatch* next = browser().Document();
  EXPECT_NE(next, first);
  for (IDispatch* held : {first, again, next}) held->Release();
}

TEST_F(WebBrowserTest, AScriptThatThrowsReportsItsMessage) {
  ScriptedSite site;
  site.pages["http://game.test/s.html"].functions["fails"].throws = "no server";
  session().SetScriptedSite(std::make_shared<ScriptedSite>(site));
  HWND other = CreateWindowExA(0, desktop::web::kBrowserClassName, "", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, nullptr, nullptr);
  WebBrowser& fresh = *desktop::web::BrowserOf(other);
  fresh.Navigate(u"http://game.test/s.html");
  Pump();
  IDispatch* document = fresh.Document();
  IHTMLDocument2* html = nullptr;
  ASSERT_EQ(document->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&html)), S_OK);
  IDispatch* script = nullptr;
  ASSERT_EQ(html->get_Script(&script), S_OK);
  std::u16string fails = u"fails", absent = u"absent";
  LPOLESTR names[1] = {absent.data()};
  DISPID id = 0;
  EXPECT_EQ(script->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &id),
            DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
  names[0] = fails.data();
  ASSERT_EQ(script->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &id), S_OK);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO exception{};
  EXPECT_EQ(script->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, &result, &exception, nullptr),
            DISP_E_EXCEPTION);
  EXPECT_EQ(std::u16string(exception.bstrDescription), u"no server");
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  script->Release();
  html->Release();
  document->Release();
  DestroyWindow(other);
}

struct BadSite {
  const char* json;
  const char* mentions;
};

class SiteFileTest : public ::testing::TestWithParam<BadSite> {};

TEST_P(SiteFileTest, ASiteThatIsNotASiteIsRefusedWithTheReason) {
  try {
    ScriptedSite::FromJson(GetParam().json);
    FAIL() << "accepted " << GetParam().json;
  } catch (const SiteError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().mentions), std::string::npos)
        << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SiteFileTest,
    ::testing::Values(BadSite{"{", "not valid JSON"}, BadSite{"[]", "pages"},
                      BadSite{R"({"pages": {"a": 1}})", "pages[\"a\"]"},
                      BadSite{R"({"pages": {"a": {"functions": {"f": [1]}}}})", ".functions.f"},
                      BadSite{R"({"pages": {"a": {"after": {"ms": -1, "url": "b"}}}})", ".after"},
                      BadSite{R"({"pages": {"a": {"frames": "b"}}})", ".frames"},
                      BadSite{R"({"pages": {"a": {"on_enter": 3}}})", ".on_enter"},
                      BadSite{R"({"pages": {"a": {"revisit": {"links": 1}}}})", ".revisit.links"}));

TEST(SiteFile, EveryKindOfPageEntryIsRead) {
  ScriptedSite site = ScriptedSite::FromJson(R"({"pages": {"http://a/": {
      "functions": {"s": "x", "n": 4.5, "b": true, "z": null, "t": {"throws": "bad"}},
      "frames": ["http://a/f"], "links": {"go": "http://a/g"},
      "on_load": "http://a/l", "on_enter": "http://a/e", "after": {"ms": 20, "url": "http://a/t"},
      "body_style": {"scroll": "yes", "overflow": "auto", "border": "1px solid"},
      "revisit": {"functions": {"s": "y"}},
      "title": "kept out"}}})");
  const ScriptedPage* page = site.Find("http://a/#anchor");
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->functions.at("s").result.text, "x");
  EXPECT_EQ(page->functions.at("n").result.number, 4.5);
  EXPECT_TRUE(page->functions.at("b").result.boolean);
  EXPECT_EQ(page->functions.at("z").result.kind, desktop::web::ScriptValue::Kind::kNull);
  EXPECT_EQ(page->functions.at("t").throws, "bad");
  EXPECT_EQ(page->frames, std::vector<std::string>{"http://a/f"});
  EXPECT_EQ(page->links.at("go"), "http://a/g");
  EXPECT_EQ(page->onLoad, "http://a/l");
  EXPECT_EQ(page->onEnter, "http://a/e");
  EXPECT_EQ(page->after->ms, 20u);
  EXPECT_EQ(page->bodyStyle.border, "1px solid");
  ASSERT_NE(page->revisit, nullptr);
  EXPECT_EQ(page->revisit->functions.at("s").result.text, "y");
  EXPECT_EQ(site.Find("http://a/other"), nullptr);
  EXPECT_THROW(ScriptedSite::Load("/nonexistent/site.json"), SiteError);
}

}  // namespace
