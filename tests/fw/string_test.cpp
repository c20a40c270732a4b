// CString: value semantics, formatting, and searches that respect code page
// 936 character boundaries.
#include <gtest/gtest.h>

#include "fw/string.h"

namespace {

TEST(CStringTest, CopiesAreIndependent) {
  CString a("server");
  CString b = a;
  b += "_name=";
  EXPECT_EQ(a, "server");
  EXPECT_EQ(b, "server_name=");
  b = nullptr;
  EXPECT_TRUE(b.IsEmpty());
}

struct FindCase {
  const char* name;
  const char* text;
  const char* sub;
  int start;
  int expected;
};

class CStringFindTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(CStringFindTest, FindsOnCharacterBoundariesOnly) {
  const FindCase& c = GetParam();
  EXPECT_EQ(CString(c.text).Find(c.sub, c.start), c.expected);
}

// "乗" is 0x81 0x5C in code page 936: its second byte is a backslash.
INSTANTIATE_TEST_SUITE_P(
    Cases, CStringFindTest,
    ::testing::Values(FindCase{"Plain", "a.html?server_name=s12&client=1", "server_name=", 0, 7},
                      FindCase{"FromStart", "a&b&c", "&", 2, 3},
                      FindCase{"Missing", "a.html", "client=1", 0, -1},
                      FindCase{"TrailByteIsNotABackslash", "\x81\x5C", "\\", 0, -1},
                      FindCase{"BackslashAfterTwoByteCharacter", "乗\\x", "\\", 0, 2},
                      FindCase{"TwoByteCharacter", "服务器=乗", "乗", 0, 7},
                      FindCase{"StartBeyondEnd", "abc", "a", 4, -1},
                      FindCase{"EmptyNeedle", "abc", "", 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CStringTest, SlicesClampToTheString) {
  CString s("server_name=s12&x");
  EXPECT_EQ(s.Mid(12), "s12&x");
  EXPECT_EQ(s.Mid(12, 3), "s12");
  EXPECT_EQ(s.Mid(100), "");
  EXPECT_EQ(s.Left(6), "server");
  EXPECT_EQ(s.Left(-1), "");
  EXPECT_EQ(s.Right(1), "x");
  EXPECT_EQ(s.Right(100), s);
}

TEST(CStringTest, FormatGrowsAsNeeded) {
  CString s;
  std::string reason(300, 'r');
  s.Format("文件打开失败%s", reason.c_str());
  EXPECT_EQ(s.GetLength(), 12 + 300);
  EXPECT_EQ(s.Left(12), "文件打开失败");
}

TEST(CStringTest, GetBufferAndReleaseBuffer) {
  CString s;
  char* buffer = s.GetBuffer(16);
  std::snprintf(buffer, 16, "%s", "abc");
  s.ReleaseBuffer();
  EXPECT_EQ(s, "abc");
  EXPECT_EQ(s.GetLength(), 3);
}

}  // namespace
