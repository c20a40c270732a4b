// CFile and CFileException over the platform's files.
#include "fw/afx.h"
#include "tests/support/divergence.h"
#include "tests/support/platform_test.h"

namespace {

class FileFwTest : public PlatformTest {};

TEST_F(FileFwTest, AFailedOpenDescribesThePlatformsError) {
  PutFile("C:\\Games\\Tessal\\Tessal.exe", "MZ");
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open("C:\\Games\\Tessal\\Missing.exe", CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_lOsError, static_cast<LONG>(ERROR_FILE_NOT_FOUND));
  char text[260], cut[8];
  EXPECT_TRUE(error.GetErrorMessage(text, sizeof text));
  if (!WINE_DIVERGES("Wine words the system's error texts in its own shorter English")) {
    EXPECT_STREQ(text, "The system cannot find the file specified.");
  }
  EXPECT_TRUE(error.GetErrorMessage(cut, sizeof cut));
  EXPECT_EQ(std::string(cut), std::string(text).substr(0, 7));  // cut to the buffer, terminated
}

TEST_F(FileFwTest, ModeReadTakesTheFileForItself) {
  PutFile("C:\\Games\\Tessal\\Tessal.exe", "0123456789");
  CFile first, second;
  ASSERT_TRUE(first.Open("C:\\Games\\Tessal\\Tessal.exe", CFile::modeRead));
  CFileException error;
  EXPECT_FALSE(second.Open("C:\\Games\\Tessal\\Tessal.exe", CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
  first.Close();
  EXPECT_TRUE(second.Open("C:\\Games\\Tessal\\Tessal.exe", CFile::modeRead));
}

TEST_F(FileFwTest, SeekReadAndLengthAndTheirErrors) {
  PutFile("C:\\Games\\Tessal\\Tessal.exe", "0123456789");
  CFile file;
  ASSERT_TRUE(file.Open("C:\\Games\\Tessal\\Tessal.exe", CFile::modeRead));
  EXPECT_EQ(file.GetLength(), 10u);
  EXPECT_EQ(file.Seek(8, CFile::begin), 8u);
  char buffer[4] = {};
  EXPECT_EQ(file.Read(buffer, 4), 2u);
  EXPECT_STREQ(buffer, "89");
  try {
    file.Seek(-1, CFile::begin);
    ADD_FAILURE() << "a seek before the start must throw";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.m_cause, CFileException::badSeek);
  }
}

TEST_F(FileFwTest, ErrorTextsAreCutOnCharacterBoundaries) {
  // A made-up error whose text the platform does not know falls back to the
  // file's name, here a two-byte one.
  CFileException error(CFileException::genericException, 99999, "游戏");
  char text[64];
  ASSERT_TRUE(error.GetErrorMessage(text, sizeof text));
  std::string full = text;
  ASSERT_NE(full.find("游戏"), std::string::npos);
  std::size_t cut = full.find("游戏") + 3;  // one byte into the second character
  ASSERT_TRUE(error.GetErrorMessage(text, static_cast<UINT>(cut + 1)));
  EXPECT_EQ(std::string(text), full.substr(0, cut - 1));
}

}  // namespace
