// Files: paths with drive letters, sharing, errors and their texts.
#include <string>

#include "tests/support/divergence.h"
#include "tests/support/platform_test.h"

namespace {

class FileTest : public PlatformTest {
 protected:
  HANDLE OpenRead(const char* path, DWORD share = 0) {
    return CreateFileA(path, GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
  }
  std::string SystemText(DWORD error) {
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, sizeof text, nullptr);
    return text;
  }
};

struct OpenFailure {
  const char* name;
  const char* path;
  DWORD error;
  const char* text;
};

class OpenFailureTest : public FileTest, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(OpenFailureTest, FailsWithTheSystemsErrorAndText) {
  PutFile("C:\\Games\\Tessal\\Tessal.exe", "MZ");
  const OpenFailure& c = GetParam();
  SetLastError(0);
  EXPECT_EQ(OpenRead(c.path), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), c.error);
  if (!WINE_DIVERGES("Wine words the system's error texts in its own shorter English")) {
    EXPECT_EQ(SystemText(c.error), std::string(c.text) + "\r\n");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenFailureTest,
    ::testing::Values(
        OpenFailure{"MissingFile", "C:\\Games\\Tessal\\Missing.exe", ERROR_FILE_NOT_FOUND,
                    "The system cannot find the file specified."},
        OpenFailure{"MissingFolder", "C:\\Nowhere\\Tessal.exe", ERROR_PATH_NOT_FOUND,
                    "The system cannot find the path specified."},
        OpenFailure{"Folder", "C:\\Games\\Tessal", ERROR_ACCESS_DENIED, "Access is denied."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileTest, AnExclusiveOpenKeepsOthersOutUntilItCloses) {
  PutFile("C:\\Games\\Tessal\\Tessal.exe", "MZ");
  HANDLE first = OpenRead("C:\\Games\\Tessal\\Tessal.exe");
  ASSERT_NE(first, INVALID_HANDLE_VALUE);
  EXPECT_EQ(OpenRead("C:\\Games\\Tessal\\Tessal.exe", FILE_SHARE_READ), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  if (!WINE_DIVERGES("Wine words the system's error texts in its own shorter English")) {
    EXPECT_EQ(SystemText(ERROR_SHARING_VIOLATION),
              "The process cannot access the file because it is being used by another process.\r\n");
  }
  EXPECT_TRUE(CloseHandle(first));
  HANDLE again = OpenRead("C:\\Games\\Tessal\\Tessal.exe");
  EXPECT_NE(again, INVALID_HANDLE_VALUE);
  CloseHandle(again);
  EXPECT_FALSE(CloseHandle(again));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(FileTest, ReadingSeekingAndSizeFollowTheFile) {
  PutFile("C:\\Games\\Tessal\\Tessal.exe", "0123456789");
  HANDLE file = OpenRead("c:\\GAMES\\tessal\\TESSAL.EXE");  // names compare without case
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER size;
  ASSERT_TRUE(GetFileSizeEx(file, &size));
  EXPECT_EQ(size.QuadPart, 10);

  LARGE_INTEGER to, at;
  to.QuadPart = 6;
  ASSERT_TRUE(SetFilePointerEx(file, to, &at, FILE_BEGIN));
  EXPECT_EQ(at.QuadPart, 6);
  char buffer[8] = {};
  DWORD read = 0;
  ASSERT_TRUE(ReadFile(file, buffer, 8, &read, nullptr));
  EXPECT_EQ(read, 4u);  // the rest of the file
  EXPECT_STREQ(buffer, "6789");
  ASSERT_TRUE(ReadFile(file, buffer, 8, &read, nullptr));
  EXPECT_EQ(read, 0u);  // at the end: success, nothing read

  to.QuadPart = -1;
  SetLastError(0);
  EXPECT_FALSE(SetFilePointerEx(file, to, nullptr, FILE_BEGIN));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
  to.QuadPart = 100;  // beyond the end is allowed
  EXPECT_TRUE(SetFilePointerEx(file, to, nullptr, FILE_BEGIN));
  CloseHandle(file);
}

TEST_F(FileTest, TheModuleFileNameIsTheProgramPathCutToTheBuffer) {
  std::string full = ProgramPath();
  ASSERT_GT(full.size(), 10u);
  EXPECT_EQ(full.substr(1, 2), ":\\");  // a drive letter, as Windows paths have
  char path[MAX_PATH];
  EXPECT_EQ(GetModuleFileNameA(nullptr, path, MAX_PATH), full.size());
  EXPECT_EQ(GetModuleFileNameA(nullptr, path, 10), 10u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(std::string(path, 9), full.substr(0, 9));
  if (!WINE_DIVERGES("Wine fills a short buffer without a terminator, as Windows XP did")) {
    EXPECT_EQ(path[9], '\0');
  }
  EXPECT_EQ(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr));
  EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
}

}  // namespace
