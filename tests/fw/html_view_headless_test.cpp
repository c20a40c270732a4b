// CHtmlView over the portable desktop's browser: events reach the virtual
// handlers with multi-byte addresses, a cancel stops the navigation, the
// default host information leaves the browser's look alone, and a view on
// the heap deletes itself when its window goes.
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/session.h"
#include "platform/desktop/web/scripted_site.h"
#include "platform/desktop/web/web_browser.h"
#include "tests/fw/html_view_fixture.h"

namespace {

// The fixture on a scripted site: a page with a multi-byte name and one frame.
class HtmlViewTest : public HtmlViewFixture {
 protected:
  void SetUp() override {
    HtmlViewFixture::SetUp();
    desktop::web::ScriptedSite site;
    site.pages["http://game.test/\xE6\xB8\xB8\xE6\x88\x8F.html"].frames = {
        "http://game.test/f.html"};
    site.pages["http://game.test/f.html"];
    session().SetScriptedSite(std::make_shared<desktop::web::ScriptedSite>(site));
  }
};

TEST_F(HtmlViewTest, EventsArriveWithMultiByteAddressesInTheBrowsersOrder) {
  CNavigationLog view;
  ASSERT_TRUE(Create(view));
  EXPECT_EQ(view.GetDlgCtrlID(), 7);
  view.Navigate2("http://game.test/游戏.html");
  Pump();
  EXPECT_EQ(view.events,
            (std::vector<std::string>{
                "before http://game.test/游戏.html", "before http://game.test/f.html",
                "complete http://game.test/f.html", "complete http://game.test/游戏.html"}));
  LPDISPATCH document = view.GetHtmlDocument();
  ASSERT_NE(document, nullptr);
  document->Release();

  view.cancel = "http://game.test/f.html";
  view.events.clear();
  view.Navigate2("http://game.test/游戏.html");
  Pump();
  EXPECT_EQ(view.events, (std::vector<std::string>{"before http://game.test/游戏.html",
                                                   "before http://game.test/f.html",
                                                   "complete http://game.test/游戏.html"}));
}

TEST_F(HtmlViewTest, WithoutHostInformationTheBrowserKeepsItsOwnLook) {
  CNavigationLog view;
  ASSERT_TRUE(Create(view));
  EXPECT_EQ(view.GetHtmlDocument(), nullptr);  // nothing loaded yet
  view.Navigate2("about:blank");
  Pump();
  desktop::web::WebBrowser* browser = desktop::web::BrowserOf(view.m_hWnd);
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(browser->hostInformation().requests, 1);
  EXPECT_TRUE(browser->ShowsScrollBars());
  EXPECT_TRUE(browser->HasThreeDBorder());
}

TEST_F(HtmlViewTest, AViewOnTheHeapGoesWithItsWindow) {
  bool deleted = false;
  auto* view = new CNavigationLog(&deleted);
  ASSERT_TRUE(Create(*view));
  view->Navigate2("about:blank");
  DestroyWindow(parent_);  // the child goes with its parent, and the view with it
  EXPECT_TRUE(deleted);
  Pump();  // the load that was pending finds no window and does nothing
}

TEST_F(HtmlViewTest, TheBrowsersAcceleratorsAreOfferedKeyMessagesOnly) {
  CNavigationLog view;
  ASSERT_TRUE(Create(view));
  MSG f5{view.m_hWnd, WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
  MSG timer{view.m_hWnd, WM_TIMER, VK_F5, 0, 0, {0, 0}};
  EXPECT_TRUE(view.PreTranslateMessage(&f5));
  EXPECT_FALSE(view.PreTranslateMessage(&timer));
}

}  // namespace
