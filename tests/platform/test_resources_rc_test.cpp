// The Windows build of these tests compiles tests/support/test_resources.rc;
// it is written from the same tables the headless run reads, and must not
// drift. TESSAL_UPDATE_RC=1 rewrites it.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/desktop/resource_model.h"
#include "tests/support/platform_test.h"
#include "tools/rcgen/rc_writer.h"

TEST(TestResourceScriptTest, TheCommittedScriptMatchesTheTestTables) {
  std::string script = WriteResourceScript(TestResources());
  if (std::getenv("TESSAL_UPDATE_RC")) std::ofstream(TESSAL_TEST_RC_FILE, std::ios::binary) << script;
  std::ifstream in(TESSAL_TEST_RC_FILE, std::ios::binary);
  std::ostringstream committed;
  committed << in.rdbuf();
  EXPECT_EQ(committed.str(), script) << "rewrite it with TESSAL_UPDATE_RC=1";
}

// The bitmap files the resource compiler reads are the bytes the headless
// run reads.
TEST(TestResourceScriptTest, TheCommittedBitmapFilesMatchTheTestTables) {
  ASSERT_FALSE(TestResources().bitmaps.empty());
  for (const desktop::FileResource& bitmap : TestResources().bitmaps) {
    std::string path = std::string(TESSAL_SOURCE_DIR) + "/" + bitmap.path;
    if (std::getenv("TESSAL_UPDATE_RC")) {
      std::ofstream(path, std::ios::binary) << bitmap.bytes;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream committed;
    committed << in.rdbuf();
    EXPECT_EQ(committed.str(), bitmap.bytes) << path << ": rewrite it with TESSAL_UPDATE_RC=1";
  }
}
