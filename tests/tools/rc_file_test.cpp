// res/tessal.rc is generated from the resource tables; it must not drift.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/rcgen/rc_writer.h"

const desktop::ResourceSet& AfxProgramResources();

TEST(ResourceScriptTest, TheCommittedScriptMatchesTheTables) {
  std::ifstream in(TESSAL_RC_FILE, std::ios::binary);
  ASSERT_TRUE(in) << TESSAL_RC_FILE;
  std::ostringstream committed;
  committed << in.rdbuf();
  EXPECT_EQ(committed.str(), WriteResourceScript(AfxProgramResources()))
      << "regenerate it: build/dev/bin/tessal-rcgen res/tessal.rc";
}
