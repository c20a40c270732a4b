// CHtmlCtrl's keyboard filter, with keys as the user presses them, through
// the framework's modal loop: what the filter swallows, what the browser's
// own accelerators get, and what reaches the page by normal dispatch.
#include <algorithm>
#include <vector>

#include "platform/desktop/headless_host.h"
#include "tests/browser/browser_test.h"

namespace {

constexpr int kCapsLock = 0x14;

struct KeyCase {
  const char* name;
  std::vector<int> held;  // held around the key, in this order
  int key;
  bool passEnterToPage;
  bool offeredToBrowser;      // reached the browser's accelerator handling
  bool reachedPage;           // reached the page by dispatch
  const char* browserAction;  // what the browser did with it, or null
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) { return out << c.name; }

class KeyFilterTest : public BrowserTest, public ::testing::WithParamInterface<KeyCase> {};

bool HasKeyDown(const std::vector<MSG>& messages, int key) {
  return std::any_of(messages.begin(), messages.end(), [key](const MSG& m) {
    return (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) &&
           m.wParam == static_cast<WPARAM>(key);
  });
}

TEST_P(KeyFilterTest, TheKeyGoesWhereTheFilterSends) {
  const KeyCase& c = GetParam();
  UseSite({});
  HostDialog dialog;
  dialog.passEnterToPage = c.passEnterToPage;
  std::vector<MSG> offered, page;
  std::vector<desktop::web::BrowserAction> actions;
  desktop::HeadlessHost& user = headless();
  user.Do("", [&] {
    dialog.browser.NavigateWithCallbacks("about:blank", nullptr, nullptr, nullptr);
    dialog.browser.SetFocus();
  });
  if (std::string(c.name).find("Caps Lock") != std::string::npos) user.Press(kCapsLock);
  for (int key : c.held) user.KeyDown(key);
  user.Press(c.key);
  for (auto key = c.held.rbegin(); key != c.held.rend(); ++key) user.KeyUp(*key);
  user.Do("", [&] {
    desktop::web::WebBrowser& engine = Engine(dialog.browser);
    offered = engine.offeredKeys();
    page = engine.pageKeys();
    actions = engine.actions();
  });
  dialog.DoModal();  // runs until the user is done

  EXPECT_EQ(HasKeyDown(offered, c.key), c.offeredToBrowser);
  EXPECT_EQ(HasKeyDown(page, c.key), c.reachedPage);
  if (c.browserAction) {
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_STREQ(desktop::web::BrowserActionName(actions[0]), c.browserAction);
  } else {
    EXPECT_TRUE(actions.empty());
  }
}

const std::vector<int> kCtrl{VK_CONTROL};
const std::vector<int> kCtrlShift{VK_CONTROL, VK_SHIFT};
const std::vector<int> kAlt{VK_MENU};

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilterTest,
    ::testing::Values(
        // The browser's shortcuts never reach it, whatever the case of the letter.
        KeyCase{"Ctrl+A", kCtrl, 'A', false, false, false, nullptr},
        KeyCase{"Ctrl+F", kCtrl, 'F', false, false, false, nullptr},
        KeyCase{"Ctrl+N", kCtrl, 'N', false, false, false, nullptr},
        KeyCase{"Ctrl+O", kCtrl, 'O', false, false, false, nullptr},
        KeyCase{"Ctrl+P", kCtrl, 'P', false, false, false, nullptr},
        KeyCase{"Ctrl+S", kCtrl, 'S', false, false, false, nullptr},
        KeyCase{"Ctrl+Shift+N", kCtrlShift, 'N', false, false, false, nullptr},
        KeyCase{"Ctrl+Shift+P", kCtrlShift, 'P', false, false, false, nullptr},
        KeyCase{"Ctrl+S after Caps Lock", kCtrl, 'S', false, false, false, nullptr},
        KeyCase{"Alt+Left", kAlt, VK_LEFT, false, false, false, nullptr},
        KeyCase{"Alt+Right", kAlt, VK_RIGHT, false, false, false, nullptr},
        // Enter and Esc reach the page, skipping the accelerators unless Enter is passed.
        KeyCase{"Enter", {}, VK_RETURN, false, false, true, nullptr},
        KeyCase{"Enter with PassEnterToPage", {}, VK_RETURN, true, true, true, nullptr},
        KeyCase{"Esc", {}, VK_ESCAPE, false, false, true, nullptr},
        KeyCase{"Esc with PassEnterToPage", {}, VK_ESCAPE, true, false, true, nullptr},
        // Everything else goes on to the browser, and to the page unless the browser acts.
        KeyCase{"Ctrl+B", kCtrl, 'B', false, true, true, nullptr},
        KeyCase{"Ctrl+Numpad0", kCtrl, VK_NUMPAD0, false, true, true, nullptr},
        KeyCase{"Ctrl+Add", kCtrl, VK_ADD, false, true, true, nullptr},
        KeyCase{"Ctrl+F1", kCtrl, VK_F1, false, true, true, nullptr},
        KeyCase{"Ctrl+F5", kCtrl, VK_F5, false, true, false, "refresh"},
        KeyCase{"F5", {}, VK_F5, false, true, false, "refresh"},
        KeyCase{"Alt+Up", kAlt, VK_UP, false, true, true, nullptr},
        KeyCase{"X", {}, 'X', false, true, true, nullptr}),
    [](const ::testing::TestParamInfo<KeyCase>& info) {
      std::string name;
      for (char ch : std::string(info.param.name)) {
        if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
      }
      return name;
    });

// The browser's own shortcuts do act when the filter lets them through.
TEST_F(BrowserTest, TheBrowsersOwnAcceleratorsActOnlyBehindTheFilter) {
  UseSite({});
  HostDialog dialog;
  std::vector<desktop::web::BrowserAction> actions;
  desktop::web::WebBrowser* engine = nullptr;
  headless().Do("", [&] {
    engine = &Engine(dialog.browser);
    dialog.browser.SetFocus();
    // Offered directly, as the framework's view would without the control's filter.
    MSG ctrlA{dialog.browser.m_hWnd, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    engine->TranslateAccelerator(ctrlA);
  });
  headless().KeyDown(VK_CONTROL);
  headless().Do("", [&] {
    MSG ctrlA{dialog.browser.m_hWnd, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    engine->TranslateAccelerator(ctrlA);
    actions = engine->actions();
  });
  headless().KeyUp(VK_CONTROL);
  dialog.DoModal();
  ASSERT_EQ(actions.size(), 1u);  // without Ctrl, A is just a letter
  EXPECT_EQ(actions[0], desktop::web::BrowserAction::kSelectAll);
}

// Enter reaching a login form sends it, whether or not Enter is passed.
class EnterTest : public BrowserTest, public ::testing::WithParamInterface<BOOL> {};

TEST_P(EnterTest, EnterReachingTheLoginFormSendsIt) {
  desktop::web::ScriptedSite site;
  site.pages["http://login.test/"].onEnter = "http://login.test/enter?client=1";
  UseSite(site);
  HostDialog dialog;
  dialog.passEnterToPage = GetParam();
  CallbackLog log;
  headless().Do("", [&] {
    dialog.browser.NavigateWithCallbacks("http://login.test/", RecordNavigation, &log, nullptr);
  });
  headless().Wait(10).Do("", [&] { dialog.browser.SetFocus(); }).Press(VK_RETURN).Wait(10);
  dialog.DoModal();
  EXPECT_EQ(log.navigations,
            (std::vector<std::string>{"http://login.test/", "http://login.test/enter?client=1"}));
}

INSTANTIATE_TEST_SUITE_P(PassEnterToPage, EnterTest, ::testing::Values(FALSE, TRUE));

}  // namespace
