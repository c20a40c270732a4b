// The other commands of tessal-theme: the list of files, the default theme
// written without overwriting anything, the title, the icon for Linux
// desktops, and the usage.
#include "tools/theme/theme_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/theme/png_file.h"

namespace {

namespace fs = std::filesystem;

class ThemeCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tessal-theme-commands-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(ThemeCommandsTest, FilesListsEveryPictureThenTheIconAndTheTitle) {
  theme::CommandResult result = theme::RunCommand({"files"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(
      result.out.starts_with("bitmaps/launcher_background.bmp\nbitmaps/launcher_close.bmp\n"))
      << result.out;
  EXPECT_TRUE(result.out.ends_with("bitmaps/caption_pay_hover.bmp\nicons/tessal.ico\ntitle.txt\n"))
      << result.out;
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 44 + 2);
}

TEST_F(ThemeCommandsTest, NewWritesTheDefaultThemeAndNeverWritesOverAFile) {
  ASSERT_EQ(theme::RunCommand({"new", folder_.string()}).exitCode, 0);
  std::ifstream in(folder_ / "title.txt");
  std::string title;
  std::getline(in, title);
  EXPECT_EQ(title, "Qorvan");
  EXPECT_EQ(fs::file_size(folder_ / "bitmaps/launcher_background.bmp"), 54u + 3024u * 601u);

  // One file of a theme there already: refused, and nothing else written.
  fs::path other = folder_ / "other";
  fs::create_directories(other);
  std::ofstream(other / "title.txt") << "Mine\n";
  theme::CommandResult refused = theme::RunCommand({"new", other.string()});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("title.txt exists already"), std::string::npos) << refused.err;
  EXPECT_FALSE(fs::exists(other / "bitmaps"));
  std::ifstream kept(other / "title.txt");
  std::getline(kept, title);
  EXPECT_EQ(title, "Mine");
}

TEST_F(ThemeCommandsTest, TitlePrintsTheGameTitleOrWhyItCannotBeShown) {
  ASSERT_EQ(theme::RunCommand({"new", folder_.string()}).exitCode, 0);
  std::ofstream(folder_ / "title.txt", std::ios::binary) << "\xEF\xBB\xBF潮汐 Tidewater\r\n";
  theme::CommandResult result = theme::RunCommand({"title", folder_.string()});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "潮汐 Tidewater\n");

  std::ofstream(folder_ / "title.txt", std::ios::binary) << "\n";
  result = theme::RunCommand({"title", folder_.string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "tessal-theme: " + (folder_ / "title.txt").string() + ": the title is empty\n");
}

TEST_F(ThemeCommandsTest, IconsWritesEachPictureAsAPngOfItsSize) {
  ASSERT_EQ(theme::RunCommand({"new", folder_.string()}).exitCode, 0);
  theme::CommandResult result =
      theme::RunCommand({"icons", folder_.string(), (folder_ / "hicolor").string(), "qorvan"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  PngFile png((folder_ / "hicolor/64x64/apps/qorvan.png").string());
  ASSERT_TRUE(png.Read());
  EXPECT_EQ(png.width, 64);
  EXPECT_EQ(png.height, 64);
  // Clear in the corners, solid in the middle, as the icon is.
  EXPECT_EQ(png.Alpha(0, 0), 0);
  EXPECT_EQ(png.Alpha(32, 32), 255);

  std::ofstream(folder_ / "icons/tessal.ico", std::ios::binary) << "not an icon";
  result = theme::RunCommand({"icons", folder_.string(), (folder_ / "out").string(), "qorvan"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("not an icon file"), std::string::npos) << result.err;
}

TEST_F(ThemeCommandsTest, AWrongCommandLineShowsTheUsage) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"check"}, {"new", "a", "b"}, {"paint", "x"}, {"icons", "a"}}) {
    theme::CommandResult result = theme::RunCommand(args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.starts_with("usage: tessal-theme")) << result.err;
  }
}

}  // namespace
