// Portal links reach the shell only as web addresses.
#include "desktop/portal_link.h"
#include "platform/desktop/session.h"
#include "tests/desktop/desktop_test.h"

namespace {

class PortalLinkTest : public DesktopTest {};

TEST_F(PortalLinkTest, OnlyWebAddressesAreHandedToTheShellWithTheDefaultVerb) {
  struct Case {
    const char* link;
    bool opened;
  };
  const Case cases[] = {
      {"https://www.example.com/pay?x=1", true},
      {"http://bbs.example.com/", true},
      {"HTTPS://Example.com/", true},
      {"", false},
      {nullptr, false},
      {"https://", false},
      {"file:///C:/Windows/System32/calc.exe", false},
      {"C:\\Windows\\System32\\calc.exe", false},
      {"calc.exe", false},
      {"\\\\server\\share\\setup.exe", false},
      {"javascript:alert(1)", false},
      {"mailto:service@example.com", false},
      {"ftp://files.example.com/", false},
      {" https://leading.space/", false},
      {"httpx://example.com/", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.link ? c.link : "(null)");
    std::size_t before = session().shellExecutes().size();
    EXPECT_EQ(OpenPortalLink(c.link), c.opened);
    ASSERT_EQ(session().shellExecutes().size(), before + (c.opened ? 1 : 0));
    if (!c.opened) continue;
    const auto& call = session().shellExecutes().back();
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, "");
    EXPECT_EQ(call.file, c.link);
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.show, SW_HIDE);
  }
}

}  // namespace
