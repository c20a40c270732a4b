// CHtmlCtrl::CallScriptFunction: results by type, failures, the order of
// arguments, and the login page's four functions from a site file.
#include "tests/browser/browser_test.h"

namespace {

using desktop::web::ScriptedSite;
using desktop::web::ScriptValue;

std::string Utf8(BSTR text) {
  char buffer[256] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(SysStringLen(text)), buffer, 255, nullptr,
                      nullptr);
  return buffer;
}

class ScriptCallTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    ScriptedSite site;
    auto& functions = site.pages["http://login.test/"].functions;
    auto value = [](ScriptValue::Kind kind, double number = 0, std::string text = {}) {
      desktop::web::ScriptedFunction f;
      f.result.kind = kind;
      f.result.number = number;
      f.result.boolean = number != 0;
      f.result.text = std::move(text);
      return f;
    };
    functions["text"] = value(ScriptValue::Kind::kString, 0, "http://pay.test/?a=1&b=\xE6\xB8\xB8");
    functions["empty"] = value(ScriptValue::Kind::kString);
    functions["whole"] = value(ScriptValue::Kind::kNumber, 42);
    functions["fraction"] = value(ScriptValue::Kind::kNumber, 2.5);
    functions["yes"] = value(ScriptValue::Kind::kBoolean, 1);
    functions["nothing"] = value(ScriptValue::Kind::kNull);
    functions["fails"].throws = "no server";
    UseSite(site);
    ASSERT_TRUE(dialog_.Create(IDD_BROWSER_HOST));
  }
  VARIANT Call(const char* name, const CStringArray& arguments = CStringArray()) {
    return dialog_.browser.CallScriptFunction(name, arguments);
  }
  void Open() {
    dialog_.browser.NavigateWithCallbacks("http://login.test/", nullptr, nullptr, nullptr);
    Pump();
  }
  HostDialog dialog_;
};

void ExpectFailure(VARIANT result, const char* what) {
  EXPECT_EQ(result.vt, VT_BOOL) << what;
  EXPECT_EQ(result.boolVal, VARIANT_FALSE) << what;
  VariantClear(&result);
}

TEST_F(ScriptCallTest, BeforeAnyPageTheCallFails) {
  ExpectFailure(Call("text"), "no page yet");
  HostDialog never;  // no window at all
  CStringArray none;
  ExpectFailure(never.browser.CallScriptFunction("text", none), "no window");
}

TEST_F(ScriptCallTest, EachResultComesBackAsItsVariantType) {
  Open();
  struct Case {
    const char* name;
    VARTYPE type;
  };
  for (Case c : {Case{"text", VT_BSTR}, Case{"empty", VT_BSTR}, Case{"whole", VT_I4},
                 Case{"fraction", VT_R8}, Case{"yes", VT_BOOL}, Case{"nothing", VT_NULL}}) {
    VARIANT result = Call(c.name);
    EXPECT_EQ(result.vt, c.type) << c.name;
    if (c.type == VT_BSTR && std::string(c.name) == "text") {
      EXPECT_EQ(Utf8(result.bstrVal), "http://pay.test/?a=1&b=\xE6\xB8\xB8");
    } else if (c.type == VT_BSTR) {
      EXPECT_EQ(SysStringLen(result.bstrVal), 0u);
    } else if (c.type == VT_I4) {
      EXPECT_EQ(result.lVal, 42);
    } else if (c.type == VT_R8) {
      EXPECT_EQ(result.dblVal, 2.5);
    } else if (c.type == VT_BOOL) {
      EXPECT_EQ(result.boolVal, VARIANT_TRUE);
    }
    VariantClear(&result);
  }
  ExpectFailure(Call("fails"), "a function that throws");
  ExpectFailure(Call("absent"), "a member the page lacks");
}

TEST_F(ScriptCallTest, ArgumentsArriveInTheirOrder) {
  Open();
  CStringArray arguments;
  arguments.Add("first");
  arguments.Add("游戏");  // the program's own code page 936 text
  arguments.Add("");
  VARIANT result = Call("text", arguments);
  VariantClear(&result);
  const auto& calls = Engine(dialog_.browser).document()->ScriptCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].name, "text");
  EXPECT_EQ(calls[0].arguments,
            (std::vector<std::string>{"first", "\xE6\xB8\xB8\xE6\x88\x8F", ""}));
}

TEST_F(ScriptCallTest, TheCallFollowsTheCurrentPage) {
  Open();
  VARIANT first = Call("whole");
  EXPECT_EQ(first.vt, VT_I4);
  dialog_.browser.NavigateWithCallbacks("about:blank", nullptr, nullptr, nullptr);
  Pump();
  ExpectFailure(Call("whole"), "the blank page has no such function");
}

// The login page as the operator serves it: a frame, and the four functions
// the launcher asks once the first document is complete.
struct PortalLinks {
  std::vector<std::string> values;
  int calls = 0;
};
PortalLinks g_links;

void ReadPortalLinks(CHtmlCtrl* control) {
  ++g_links.calls;
  CStringArray none;
  for (const char* name : {"loginPayUrl", "loginForumUrl", "loginServiceUrl", "loginOfficalUrl"}) {
    VARIANT result = control->CallScriptFunction(name, none);
    g_links.values.push_back(result.vt == VT_BSTR ? Utf8(result.bstrVal) : "(not a string)");
    VariantClear(&result);
  }
}

TEST_F(BrowserTest, TheLoginSiteFileGivesItsFourLinksOnce) {
  UseSiteFile("login.json");
  HostDialog dialog;
  ASSERT_TRUE(dialog.Create(IDD_BROWSER_HOST));
  g_links = {};
  CallbackLog log;
  dialog.browser.NavigateWithCallbacks("http://login.tessal.test/index.html", RecordNavigation,
                                       &log, ReadPortalLinks);
  Pump();
  EXPECT_EQ(g_links.calls, 1);
  EXPECT_EQ(g_links.values,
            (std::vector<std::string>{"http://pay.tessal.test/", "http://bbs.tessal.test/",
                                      "http://kf.tessal.test/", "http://www.tessal.test/"}));
  EXPECT_EQ(dialog.browser.completed.size(), 2u);  // the frame's and the page's
  EXPECT_EQ(log.navigations.size(), 2u);
}

}  // namespace
