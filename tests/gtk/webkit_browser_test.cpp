// The browser control on the real engine: pages served on 127.0.0.1 load
// in a WebKit view inside a dialog; before-navigate, document complete,
// script calls, the host's styling and an unreachable address, through
// CHtmlCtrl as the program uses it.
#include <gdk/gdk.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/desktop/gtk/gtk_host.h"
#include "platform/desktop/gtk/webkit_engine.h"
#include "platform/desktop/session.h"
#include "platform/desktop/web/web_browser.h"
#include "tests/gtk/browser_host_dialog.h"
#include "tests/gtk/display_test.h"

namespace {

struct Navigations {
  std::vector<std::string> seen;
  std::string cancelContaining;  // empty: nothing is cancelled
};

bool Record(const char* url, void* context) {
  auto* log = static_cast<Navigations*>(context);
  log->seen.push_back(url);
  return !log->cancelContaining.empty() &&
         std::string(url).find(log->cancelContaining) != std::string::npos;
}

class WebKitBrowserTest : public DisplayTest {
 protected:
  const desktop::ResourceSet* Resources() override { return BrowserHostResources(); }
  void SetUp() override {
    DisplayTest::SetUp();
    app_.SetCurrentHandles(GetModuleHandleA(nullptr));
    ASSERT_TRUE(dialog_.Create(kBrowserHostDialog));
    dialog_.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  void TearDown() override {
    dialog_.DestroyWindow();
    DisplayTest::TearDown();
  }
  void Open(const std::string& address) {
    dialog_.browser.NavigateWithCallbacks(address.c_str(), Record, &navigations_, nullptr);
  }
  bool Completes(std::size_t count) {
    return PumpUntil([&] { return dialog_.browser.completed.size() >= count; });
  }
  VARIANT Call(const char* name, std::vector<const char*> arguments = {}) {
    CStringArray list;
    for (const char* argument : arguments) list.Add(argument);
    return dialog_.browser.CallScriptFunction(name, list);
  }
  std::shared_ptr<desktop::web::WebDocument> Shown() {
    return desktop::web::BrowserOf(dialog_.browser.m_hWnd)->document();
  }

  CWinApp app_;
  BrowserHostDialog dialog_;
  SiteServer site_;
  Navigations navigations_;
};

TEST_F(WebKitBrowserTest, TheViewIsMadeAfterTheFirstFrameOrWhenAPageIsOpenedBefore) {
  auto& engine = static_cast<desktop::gtk::WebKitEngine&>(
      desktop::web::BrowserOf(dialog_.browser.m_hWnd)->engine());
  // WebKit waits: the window's first frame comes without it.
  EXPECT_FALSE(engine.hasView());
  ASSERT_TRUE(PumpUntil([&] { return host().firstFrameDrawn(); }));
  EXPECT_FALSE(engine.hasView()) << "the view was made before the first frame";
  ASSERT_TRUE(PumpUntil([&] { return engine.hasView(); }, 10000))
      << "no view after the first frame";

  // A browser made once a frame is on the screen has its view at once; a
  // page opened before the view is there makes it.
  BrowserHostDialog second;
  ASSERT_TRUE(second.Create(kBrowserHostDialog));
  EXPECT_TRUE(static_cast<desktop::gtk::WebKitEngine&>(
                  desktop::web::BrowserOf(second.browser.m_hWnd)->engine())
                  .hasView());
  second.DestroyWindow();
}

TEST_F(WebKitBrowserTest, APageLoadsAndItsScriptAnswers) {
  std::string page = site_.Address("index.html");
  Open(page);
  ASSERT_EQ(navigations_.seen, std::vector<std::string>{page});  // inside the call
  ASSERT_TRUE(Completes(1));
  EXPECT_EQ(dialog_.browser.completed[0], page);

  VARIANT url = Call("portalUrl", {"player"});
  ASSERT_EQ(url.vt, VT_BSTR);
  EXPECT_EQ(Utf8Text(url), "http://pay.test/?user=player&n=\xE6\xB8\xB8");
  VariantClear(&url);
  VARIANT joined = Call("joined", {"a\"b", "\\", "c\nd"});
  ASSERT_EQ(joined.vt, VT_BSTR);
  EXPECT_EQ(Utf8Text(joined), "a\"b|\\|c\nd");
  VariantClear(&joined);

  for (const char* failing : {"fails", "noSuchFunction"}) {
    VARIANT result = Call(failing);
    EXPECT_EQ(result.vt, VT_BOOL) << failing;
    EXPECT_EQ(result.boolVal, VARIANT_FALSE) << failing;
    VariantClear(&result);
  }
}

TEST_F(WebKitBrowserTest, TheHostStyleSheetMakesThePageBlackAndThePageShowsInTheRectangle) {
  Open(site_.Address("index.html"));
  ASSERT_TRUE(Completes(1));
  VARIANT background = Call("bodyBackground");
  ASSERT_EQ(background.vt, VT_BSTR);
  EXPECT_EQ(Utf8Text(background), "rgb(0, 0, 0)");
  VariantClear(&background);

  // The browser rectangle in screen coordinates: the page's red mark at its
  // top left corner, its black body beyond.
  RECT browser;
  ::GetWindowRect(dialog_.browser.m_hWnd, &browser);
  ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(browser.left + 10, browser.top + 10) == RGB(255, 0, 0); }))
      << "the page never showed";
  SaveScreen("webkit-page.png");
  EXPECT_EQ(ScreenPixel(browser.left + 100, browser.top + 100), RGB(0, 0, 0));
}

TEST_F(WebKitBrowserTest, KeysTypedOnTheRealKeyboardReachThePageThroughTheDesktop) {
  Open(site_.Address("index.html"));
  ASSERT_TRUE(Completes(1));
  RECT browser;
  ::GetWindowRect(dialog_.browser.m_hWnd, &browser);
  ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(browser.left + 10, browser.top + 10) == RGB(255, 0, 0); }));
  ClickScreen(browser.left + 120, browser.top + 110);  // into the page's input
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == dialog_.browser.m_hWnd; }))
      << "the click on the page did not give the browser the focus";
  ASSERT_TRUE(PumpUntil([&] {
    VARIANT id = Call("focusedId");
    bool input = id.vt == VT_BSTR && Utf8Text(id) == "name";
    VariantClear(&id);
    return input;
  })) << "the click did not reach the page's input";
  PressKeysLater({GDK_KEY_a, GDK_KEY_b, GDK_KEY_c}, 10);
  std::string value;
  EXPECT_TRUE(PumpUntil([&] {
    VARIANT text = Call("typed");
    value = text.vt == VT_BSTR ? Utf8Text(text) : "?";
    VariantClear(&text);
    return value == "abc";
  })) << "the page's input holds \"" << value << "\"";
}

TEST_F(WebKitBrowserTest, ANavigationThePageStartsAsksFirstAndMayBeCancelled) {
  Open(site_.Address("index.html"));
  ASSERT_TRUE(Completes(1));
  navigations_.cancelContaining = "other";
  VARIANT going = Call("goTo", {site_.Address("other.html").c_str()});
  VariantClear(&going);
  ASSERT_TRUE(PumpUntil([&] { return navigations_.seen.size() == 2; }));
  EXPECT_EQ(navigations_.seen[1], site_.Address("other.html"));
  PumpUntil([] { return false; }, 500);  // a load that went ahead would complete meanwhile
  EXPECT_EQ(dialog_.browser.completed.size(), 1u);
  EXPECT_EQ(Shown()->Address(), site_.Address("index.html"));

  navigations_.cancelContaining.clear();
  going = Call("goTo", {site_.Address("other.html").c_str()});
  VariantClear(&going);
  ASSERT_TRUE(Completes(2));
  EXPECT_EQ(dialog_.browser.completed[1], site_.Address("other.html"));
}

TEST_F(WebKitBrowserTest, AFrameAsksBeforeItNavigatesAndMayBeCancelled) {
  Open(site_.Address("frames.html"));
  ASSERT_TRUE(Completes(1));
  EXPECT_EQ(navigations_.seen,
            (std::vector<std::string>{site_.Address("frames.html"), site_.Address("other.html")}));
  VARIANT text = Call("frameText");
  ASSERT_EQ(text.vt, VT_BSTR);
  EXPECT_EQ(Utf8Text(text), "The other page.");
  VariantClear(&text);

  navigations_.cancelContaining = "other";
  Open(site_.Address("frames.html"));
  ASSERT_TRUE(Completes(2));  // the page completes without its frame's page
  EXPECT_EQ(navigations_.seen.size(), 4u);
  text = Call("frameText");
  ASSERT_EQ(text.vt, VT_BSTR);
  EXPECT_EQ(Utf8Text(text), "");
  VariantClear(&text);
}

TEST_F(WebKitBrowserTest, TheEnginesCacheFolderIsTheRunsInternetCacheFolder) {
  char folder[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_INTERNET_CACHE, TRUE));
  std::string cache = desktop::Session::Current().RealPath(folder);
  Open(site_.Address("index.html"));
  ASSERT_TRUE(Completes(1));
  auto holdsFiles = [&] {
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(cache, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
      if (it->is_regular_file()) return true;
    }
    return false;
  };
  EXPECT_TRUE(PumpUntil(holdsFiles)) << "nothing was cached in " << cache;
}

TEST_F(WebKitBrowserTest, AnUnreachableOrEmptyAddressCompletesWithoutAHang) {
  // A port nobody listens on: the server's own port once it has stopped.
  std::string unreachable;
  {
    SiteServer gone;
    unreachable = gone.Address("index.html");
  }
  Open(unreachable);
  ASSERT_TRUE(Completes(1));
  EXPECT_TRUE(Shown()->IsErrorPage());
  VARIANT result = Call("portalUrl");
  EXPECT_EQ(result.vt, VT_BOOL);
  VariantClear(&result);

  Open("");
  ASSERT_TRUE(Completes(2));
  EXPECT_EQ(dialog_.browser.completed[1], "about:blank");
  EXPECT_FALSE(Shown()->IsErrorPage());
}

}  // namespace
