// CHtmlCtrl: creation in place of the placeholder, the navigation and
// document-complete callbacks, the host's styling.
#include "tests/browser/browser_test.h"
#include "tests/support/gdi_objects.h"

namespace {

using desktop::web::ScriptedSite;

ScriptedSite LoginSite() {
  ScriptedSite site;
  auto& login = site.pages["http://login.test/"];
  login.frames = {"http://login.test/news.html", "http://login.test/ads.html"};
  login.links["play"] = "http://game.test/play?server_name=s12&client=1";
  login.links["help"] = "http://login.test/help.html";
  login.bodyStyle = {"yes", "auto", "2px solid red"};
  site.pages["http://login.test/news.html"].bodyStyle = {"yes", "scroll", "1px dotted"};
  site.pages["http://login.test/ads.html"];
  site.pages["http://login.test/help.html"];
  return site;
}

class HtmlCtrlTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    UseSite(LoginSite());
    ASSERT_TRUE(dialog_.Create(IDD_BROWSER_HOST));
    ASSERT_TRUE(dialog_.created);
  }
  RecordingHtmlCtrl& browser() { return dialog_.browser; }
  HostDialog dialog_;
  CallbackLog log_;
};

TEST_F(HtmlCtrlTest, TheBrowserTakesThePlaceOfTheFirstPlaceholder) {
  EXPECT_FALSE(browser().PassEnterToPage);  // cleared by the creation
  EXPECT_EQ(::GetParent(browser().m_hWnd), dialog_.m_hWnd);
  EXPECT_TRUE(browser().IsWindowVisible());
  EXPECT_EQ(browser().GetStyle() & (WS_CHILD | WS_VISIBLE),
            static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
  CRect placed;
  browser().GetWindowRect(&placed);
  dialog_.ScreenToClient(&placed);
  EXPECT_EQ(placed, dialog_.browserRect);
  int placeholders = 0;
  for (HWND child = ::GetWindow(dialog_.m_hWnd, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (child != browser().m_hWnd && ::GetDlgCtrlID(child) == -1) ++placeholders;
  }
  EXPECT_EQ(placeholders, 1);             // the second placeholder stays
  EXPECT_EQ(Shown(browser()), "(none)");  // nothing loads before the first navigation
}

TEST_F(HtmlCtrlTest, WithoutAPlaceholderNothingIsCreated) {
  HostDialog other(IDD_BROWSER_NO_PLACEHOLDER);
  ASSERT_TRUE(other.Create(IDD_BROWSER_NO_PLACEHOLDER));
  EXPECT_FALSE(other.created);
  EXPECT_EQ(other.browser.m_hWnd, nullptr);
  int children = 0;
  for (HWND child = ::GetWindow(other.m_hWnd, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    ++children;
  }
  EXPECT_EQ(children, 3);
}

TEST_F(HtmlCtrlTest, ANullAddressChangesNothing) {
  CallbackLog other;
  browser().NavigateWithCallbacks("http://login.test/help.html", RecordNavigation, &log_,
                                  RecordCompletion);
  browser().NavigateWithCallbacks(nullptr, RecordNavigation, &other, nullptr);
  Pump();
  EXPECT_EQ(g_completedControls.size(), 1u);  // the pending callback survived
  Engine(browser()).engine().Navigate("http://login.test/");
  Pump();
  EXPECT_EQ(log_.navigations.size(), 4u);  // help, then the login page and its two frames
  EXPECT_TRUE(other.navigations.empty());
  EXPECT_EQ(Shown(browser()), "http://login.test/");
}

TEST_F(HtmlCtrlTest, ACancellingCallbackCancelsOnlyThatNavigationAndStaysInstalled) {
  log_.cancelWhenContaining = "client=1";
  browser().NavigateWithCallbacks("http://login.test/", RecordNavigation, &log_, nullptr);
  Pump();
  ASSERT_TRUE(Engine(browser()).engine().ClickLink("play"));
  Pump();
  EXPECT_EQ(Shown(browser()), "http://login.test/");
  ASSERT_TRUE(Engine(browser()).engine().ClickLink("help"));
  Pump();
  EXPECT_EQ(Shown(browser()), "http://login.test/help.html");
  EXPECT_EQ(log_.navigations,
            (std::vector<std::string>{
                "http://login.test/", "http://login.test/news.html", "http://login.test/ads.html",
                "http://game.test/play?server_name=s12&client=1", "http://login.test/help.html"}));
}

TEST_F(HtmlCtrlTest, FramesRaiseSeveralEventsAndTheOneShotCallbackRunsOnceAtTheFirst) {
  browser().NavigateWithCallbacks("http://login.test/", RecordNavigation, &log_, RecordCompletion);
  Pump();
  EXPECT_EQ(browser().completed,
            (std::vector<std::string>{"http://login.test/news.html", "http://login.test/ads.html",
                                      "http://login.test/"}));
  ASSERT_EQ(g_completedControls.size(), 1u);
  EXPECT_EQ(g_completedControls[0], &browser());
  // Later documents do not run it again.
  ASSERT_TRUE(Engine(browser()).engine().ClickLink("help"));
  Pump();
  EXPECT_EQ(g_completedControls.size(), 1u);
}

TEST_F(HtmlCtrlTest, ANavigationWithoutADocumentCompleteCallbackClearsAPendingOne) {
  browser().NavigateWithCallbacks("http://login.test/", RecordNavigation, &log_, RecordCompletion);
  browser().NavigateWithCallbacks("http://login.test/help.html", nullptr, nullptr, nullptr);
  Pump();
  EXPECT_EQ(Shown(browser()), "http://login.test/help.html");
  EXPECT_TRUE(g_completedControls.empty());
  EXPECT_EQ(log_.navigations, std::vector<std::string>{"http://login.test/"});
}

// The launcher's hand-off: from inside the event, blank the page without
// callbacks, then cancel the navigation that was asked about.
bool BlankAndCancelTheGame(const char* url, void* context) {
  auto* control = static_cast<CHtmlCtrl*>(context);
  if (std::string(url).find("client=1") == std::string::npos) return false;
  control->NavigateWithCallbacks("about:blank", nullptr, nullptr, nullptr);
  return true;
}

TEST_F(HtmlCtrlTest, ACallbackMayNavigateTheSameControlAgain) {
  browser().NavigateWithCallbacks("http://login.test/", BlankAndCancelTheGame, &browser(), nullptr);
  Pump();
  ASSERT_TRUE(Engine(browser()).engine().ClickLink("play"));
  Pump();
  EXPECT_EQ(Shown(browser()), "about:blank");
  EXPECT_EQ(browser().completed.back(), "about:blank");
}

TEST_F(HtmlCtrlTest, TheTopLevelBodyIsRestyledAfterEveryEventAndFramesAreLeftAlone) {
  browser().NavigateWithCallbacks("http://login.test/", nullptr, nullptr, nullptr);
  Pump();
  ASSERT_EQ(browser().topBodyAfterEvent.size(), 3u);
  for (const desktop::web::BodyStyle& body : browser().topBodyAfterEvent) {
    EXPECT_EQ(body.scroll, "no");  // already after the first event, a frame's
    EXPECT_EQ(body.overflow, "hidden");
    EXPECT_EQ(body.border, "none");
  }
  auto frames = Engine(browser()).document()->Frames();
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0]->Body().scroll, "yes");
  EXPECT_EQ(frames[0]->Body().overflow, "scroll");
  EXPECT_EQ(frames[0]->Body().border, "1px dotted");
  EXPECT_EQ(frames[1]->Body().overflow, "");
}

TEST_F(HtmlCtrlTest, EveryPageGetsTheHostsLook) {
  browser().NavigateWithCallbacks("http://login.test/", nullptr, nullptr, nullptr);
  Pump();
  desktop::web::WebBrowser& engine = Engine(browser());
  EXPECT_EQ(engine.hostInformation().requests, 3);  // the page and its two frames
  EXPECT_EQ(engine.hostInformation().flags,
            static_cast<DWORD>(DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO));
  EXPECT_EQ(engine.hostInformation().styleSheet, u"BODY {background-color:#000000}");
  EXPECT_EQ(engine.hostInformation().namespaces, u"IE;MyTags;MyTags2='www.tessal.example'");
  EXPECT_EQ(engine.Background(), "#000000");
  EXPECT_FALSE(engine.ShowsScrollBars());
  EXPECT_FALSE(engine.HasThreeDBorder());

  // Every answer is a fresh pair of strings for the browser to free.
  DOCHOSTUIINFO first{}, second{};
  ASSERT_EQ(browser().AskHostInfo(&first), S_OK);
  ASSERT_EQ(browser().AskHostInfo(&second), S_OK);
  EXPECT_EQ(first.cbSize, sizeof(DOCHOSTUIINFO));
  EXPECT_EQ(first.dwDoubleClick, static_cast<DWORD>(DOCHOSTUIDBLCLK_DEFAULT));
  EXPECT_NE(first.pchHostCss, second.pchHostCss);
  EXPECT_NE(first.pchHostNS, second.pchHostNS);
  for (DOCHOSTUIINFO* info : {&first, &second}) {
    CoTaskMemFree(info->pchHostCss);
    CoTaskMemFree(info->pchHostNS);
  }
}

TEST_F(HtmlCtrlTest, TheWindowGoesWithItsOwnerAndTheObjectStays) {
  browser().NavigateWithCallbacks("http://login.test/", nullptr, nullptr, nullptr);
  Pump();
  CStringArray none;
  VARIANT held = browser().CallScriptFunction("anything", none);  // caches the document
  VariantClear(&held);
  dialog_.DestroyWindow();
  EXPECT_EQ(browser().m_hWnd, nullptr);
  VARIANT result = browser().CallScriptFunction("anything", none);
  EXPECT_EQ(result.vt, VT_BOOL);
  EXPECT_EQ(result.boolVal, VARIANT_FALSE);
}

}  // namespace

namespace {

// Pixels of the browser's window that differ from its background.
int InkInside(HWND window, COLORREF background) {
  RECT area;
  ::GetClientRect(window, &area);
  HDC dc = ::GetDC(window);
  int ink = 0;
  for (int y = area.top; y < area.bottom; y += 4) {
    for (int x = area.left; x < area.right; x += 4) {
      if (::GetPixel(dc, x, y) != background) ++ink;
    }
  }
  ::ReleaseDC(window, dc);
  return ink;
}

TEST_F(HtmlCtrlTest, APageIsDrawnAsItsHeadingLinksAndAddressAndABlankPageAsBackground) {
  ScriptedSite site = LoginSite();
  site.pages["http://login.test/"].title = "Login";
  UseSite(site);
  HostDialog shown;
  ASSERT_TRUE(shown.Create(IDD_BROWSER_HOST));
  shown.ShowWindow(SW_SHOW);
  DWORD objects = LiveGdiObjects();
  const COLORREF black = RGB(0, 0, 0);  // the host's style sheet

  shown.browser.NavigateWithCallbacks("about:blank", nullptr, nullptr, nullptr);
  Pump();
    EXPECT_EQ(InkInside(shown.browser.m_hWnd, black), 0);

  shown.browser.NavigateWithCallbacks("http://login.test/", nullptr, nullptr, nullptr);
  Pump();
    int page = InkInside(shown.browser.m_hWnd, black);
  EXPECT_GT(page, 25);  // heading, two links, the address

  shown.browser.NavigateWithCallbacks("http://login.test/help.html", nullptr, nullptr, nullptr);
  Pump();
    int help = InkInside(shown.browser.m_hWnd, black);
  EXPECT_GT(help, 0);      // its address
  EXPECT_LT(help, page);   // no heading, no links
  EXPECT_EQ(LiveGdiObjects(), objects);  // the picture's fonts and brush are gone
  shown.DestroyWindow();
}

}  // namespace
