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
  // Around the size that is formatted without measuring first, and well past it.
  for (std::size_t length : {0, 300, 499, 500, 501, 4000}) {
    CString s;
    std::string reason(length, 'r');
    if (length) reason.back() = 'z';
    s.Format("文件打开失败%s", reason.c_str());
    ASSERT_EQ(s.GetLength(), static_cast<int>(12 + length)) << length;
    EXPECT_EQ(s.Left(12), "文件打开失败");
    EXPECT_EQ(std::string(s.GetString() + 12), reason) << length;
  }
}

TEST(CStringTest, CompareNoCaseFoldsOnlySingleByteLetters) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  // "\x81\x41" is one two-byte character whose second byte is "A": it is
  // not a letter and keeps its case.
  for (const Case& c :
       {Case{"Desktop.INI", "desktop.ini", 0}, Case{"", "", 0}, Case{"abc", "ABD", -1},
        Case{"abd", "ABC", 1}, Case{"ab", "ABC", -1}, Case{"abc", "AB", 1},
        Case{"\x81\x41", "\x81\x61", -1}, Case{"x\x81\x41y", "X\x81\x41Y", 0},
        Case{"\x81",
             "\x81"
             "A",
             -1},
        Case{"[", "A", -1}, Case{"\xB0\xA1", "a", 1}}) {
    int result = CString(c.a).CompareNoCase(c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " / " << c.b;
  }
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
