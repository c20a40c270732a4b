// The caption of the framework's boxes is the program file's name, and
// follows a rename: two runs of the real program under different names.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/command_output.h"

namespace {

std::string RunTessal(const std::string& programPath) {
  return CommandOutput(std::string("'") + TESSAL_BINARY + "' --program '" + programPath +
                       "' --script 'wait 1500' 2>&1");
}

TEST(CaptionTest, TheCaptionIsTheProgramFilesBaseNameAndFollowsARename) {
  std::string first = RunTessal("C:\\Games\\Tessal\\Tessal.exe");
  std::string renamed = RunTessal("C:\\Games\\Tessal\\Qorvan Online.exe");
  EXPECT_NE(first.find("message box [Tessal]: 文件打开失败"), std::string::npos) << first;
  EXPECT_NE(renamed.find("message box [Qorvan Online]: 文件打开失败"), std::string::npos) << renamed;
}

}  // namespace
