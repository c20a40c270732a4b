// The server name and the game address as the launcher reads them from the
// login page's navigations.
#include "launcher/login_address.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
  const char* address;
  bool game;
  const char* serverName;
};

TEST(LoginAddressTest, ServerNameAndGameAddress) {
  const AddressCase cases[] = {
      {"http://g.example/a.html?server_name=s12&client=1", true, "s12"},
      {"http://g.example/a.html?client=1&server_name=s12", true, "s12"},
      {"http://g.example/a.html?client=1", true, ""},
      {"http://g.example/a.html?client=1&server_name=", true, ""},
      {"http://g.example/a.html?server_name=s1&x=2&client=1", true, "s1"},
      {"http://g.example/a.html?client=10", true, ""},
      {"http://g.example/a.html?myclient=1", true, ""},
      {"http://g.example/a.html?myserver_name=m7&client=1", true, "m7"},
      {"http://g.example/a.html?server_name=a&server_name=b", false, "a"},
      {"http://g.example/a.html?server_name=s12#top", false, "s12#top"},
      {"http://g.example/a.html?server_name=%E5%8C%BA1", false, "%E5%8C%BA1"},
      {"http://g.example/a.html?Client=1&SERVER_NAME=x", false, ""},
      {"http://g.example/login.html", false, ""},
      {"", false, ""},
      // "\xB7\x73" is one code page 936 character; a key cannot start on its
      // trail byte, so the "server_name=" that seems to follow is not there.
      {"http://g.example/?\xB7server_name=x", false, ""},
      {"http://g.example/?\xC7\xF8server_name=\xC7\xF8\xD2\xBB&client=1", true,
       "\xC7\xF8\xD2\xBB"},
  };
  for (const AddressCase& c : cases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(IsGameAddress(c.address), c.game);
    EXPECT_STREQ(ServerNameFromAddress(c.address).GetString(), c.serverName);
  }
}

}  // namespace
