// tessal-theme check on themes made from the default one with one fault
// each: every fault is named with its file, and a sound theme passes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "tools/artgen/image_files.h"
#include "tools/theme/theme_commands.h"

namespace {

namespace fs = std::filesystem;
using artgen::Canvas;
using artgen::Rgb;

constexpr Rgb kKey = artgen::kKeyColor;

class ThemeFolder {
 public:
  ThemeFolder()
      : path_(fs::temp_directory_path() / ("tessal-theme-" + std::to_string(::getpid()))) {
    fs::remove_all(path_);
    theme::CommandResult made = theme::RunCommand({"new", path_.string()});
    EXPECT_EQ(made.exitCode, 0) << made.err;
  }
  ~ThemeFolder() { fs::remove_all(path_); }
  ThemeFolder(const ThemeFolder&) = delete;
  ThemeFolder& operator=(const ThemeFolder&) = delete;

  const fs::path& path() const { return path_; }
  std::string Read(const std::string& file) const {
    std::ifstream in(path_ / file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  void Write(const std::string& file, const std::string& bytes) const {
    std::ofstream(path_ / file, std::ios::binary) << bytes;
  }
  Canvas Picture(const std::string& file) const {
    return *artgen::DecodeBitmapFile(Read(file))->pixels;
  }
  void Paint(const std::string& file, const std::function<void(Canvas&)>& change) const {
    Canvas picture = Picture(file);
    change(picture);
    Write(file, artgen::EncodeBitmapFile(picture));
  }
  theme::CommandResult Check() const { return theme::RunCommand({"check", path_.string()}); }

 private:
  fs::path path_;
};

void Fill(Canvas& picture, int left, int top, int right, int bottom, Rgb colour) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) picture.At(x, y) = colour;
  }
}

// A bitmap file's header field changed in place.
std::string WithField(std::string bytes, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

TEST(ThemeCheckTest, TheDefaultThemePassesWithoutAnyFinding) {
  ThemeFolder theme;
  theme::CommandResult result = theme.Check();
  EXPECT_EQ(result.exitCode, 0) << result.out;
  EXPECT_EQ(result.out,
            "theme " + theme.path().string() + ": every file is as the program needs it\n");
}

TEST(ThemeCheckTest, EachFaultIsNamedWithItsFileAndFailsTheCheck) {
  const struct Case {
    const char* what;
    std::function<void(const ThemeFolder&)> breakIt;
    const char* expected;  // a line of the report
    int faults = 1;
  } cases[] = {
      {"a picture missing",
       [](const ThemeFolder& t) { fs::remove(t.path() / "bitmaps/caption_pay.bmp"); },
       "bitmaps/caption_pay.bmp: missing: top-up (label 充值), 38 × 18 pixels, 24 bits"},
      {"not a bitmap", [](const ThemeFolder& t) { t.Write("bitmaps/logo.bmp", "GIF89a"); },
       "bitmaps/logo.bmp: not a Windows bitmap (.bmp) file"},
      {"a size off by one",
       [](const ThemeFolder& t) {
         t.Write("bitmaps/link_pay.bmp", artgen::EncodeBitmapFile(Canvas(79, 23, {1, 2, 3})));
       },
       "bitmaps/link_pay.bmp: the picture is 79 × 23 pixels; it must be 78 × 23"},
      {"32 bits per pixel",
       [](const ThemeFolder& t) {
         t.Write("bitmaps/frame_left.bmp", WithField(t.Read("bitmaps/frame_left.bmp"), 28, 32, 2));
       },
       "bitmaps/frame_left.bmp: the bitmap has 32 bits per pixel; the program's pictures have 24"},
      {"rows from the top",
       [](const ThemeFolder& t) {
         t.Write("bitmaps/frame_right.bmp", WithField(t.Read("bitmaps/frame_right.bmp"), 22,
                                                      static_cast<std::uint32_t>(-5), 4));
       },
       "bitmaps/frame_right.bmp: the rows are stored from the top; store them from the bottom"},
      {"the most negative height",
       [](const ThemeFolder& t) {
         t.Write("bitmaps/frame_bottom.bmp",
                 WithField(t.Read("bitmaps/frame_bottom.bmp"), 22, 0x80000000u, 4));
       },
       "bitmaps/frame_bottom.bmp: the picture is 6 × 2147483648 pixels; it must be 6 × 5", 2},
      {"cut short",
       [](const ThemeFolder& t) {
         t.Write("bitmaps/caption_tray.bmp", t.Read("bitmaps/caption_tray.bmp").substr(0, 200));
       },
       "bitmaps/caption_tray.bmp: the bitmap's pixels are cut short"},
      {"key colour in the game window's frame",
       [](const ThemeFolder& t) {
         t.Paint("bitmaps/caption_middle.bmp", [](Canvas& p) { Fill(p, 2, 3, 4, 4, kKey); });
       },
       "bitmaps/caption_middle.bmp: 2 pixels (the first at 2, 3) are the key colour 0x5C5C5C: the "
       "game window is not see-through, they would show grey"},
      {"a hover look with another outline",
       [](const ThemeFolder& t) {
         t.Paint("bitmaps/launcher_close_hover.bmp", [](Canvas& p) {
           Fill(p, 0, 0, 1, 1, {9, 9, 9});
         });
       },
       "bitmaps/launcher_close_hover.bmp: its key pixels differ from those of "
       "bitmaps/launcher_close.bmp at 1 pixel (at 0, 0): a button's outline is cut from its normal "
       "look, so every look must have the same key pixels"},
      {"a hole beside the login page",
       [](const ThemeFolder& t) {
         t.Paint("bitmaps/launcher_background.bmp",
                 [](Canvas& p) { Fill(p, 955, 300, 956, 302, kKey); });
       },
       "bitmaps/launcher_background.bmp: 2 pixels (the first at 955, 300) are the key colour under "
       "the login page or within 3 pixels of it (271, 166 to 953, 583): a hole would open beside "
       "the page"},
      {"a solid logo over the forum link",
       [](const ThemeFolder& t) {
         // Logo column 0 is launcher column 503, inside the forum link (455 to 533).
         t.Paint("bitmaps/logo.bmp", [](Canvas& p) { Fill(p, 0, 110, 1, 112, {200, 0, 0}); });
       },
       "bitmaps/logo.bmp: it and bitmaps/link_forum.bmp are both solid at 2 pixels (the first at "
       "503, 138) of the launcher: where two buttons overlap, one of them must be the key colour "
       "0x5C5C5C"},
      {"the icon missing", [](const ThemeFolder& t) { fs::remove(t.path() / "icons/tessal.ico"); },
       "icons/tessal.ico: missing: the program icon, an .ico file with a 32-bit picture of 64 × 64 "
       "pixels or more"},
      {"an icon too small",
       [](const ThemeFolder& t) {
         std::string icon = t.Read("icons/tessal.ico");
         // 16 × 16 in the header, the picture's rows cut to fit.
         icon = WithField(WithField(icon, 22 + 4, 16, 4), 22 + 8, 32, 4);
         t.Write("icons/tessal.ico", icon);
       },
       "icons/tessal.ico: the largest picture is 16 pixels wide; give at least one of 32 × 32 or "
       "more"},
      {"an icon stored as PNG",
       [](const ThemeFolder& t) {
         std::string icon = t.Read("icons/tessal.ico");
         icon.replace(22, 4, "\x89PNG");
         t.Write("icons/tessal.ico", icon);
       },
       "icons/tessal.ico: a picture is stored as PNG; store it uncompressed"},
      {"an icon pointing outside itself",
       [](const ThemeFolder& t) {
         t.Write("icons/tessal.ico", WithField(t.Read("icons/tessal.ico"), 18, 1u << 30, 4));
       },
       "icons/tessal.ico: a picture lies outside the file"},
      {"the title missing", [](const ThemeFolder& t) { fs::remove(t.path() / "title.txt"); },
       "title.txt: missing: the game title, one line of UTF-8 text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ThemeFolder theme;
    c.breakIt(theme);
    theme::CommandResult result = theme.Check();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find(std::string(c.expected) + "\n"), std::string::npos) << result.out;
    const std::string count =
        c.faults == 1 ? ": 1 fault\n" : ": " + std::to_string(c.faults) + " faults\n";
    EXPECT_NE(result.out.find("theme " + theme.path().string() + count), std::string::npos)
        << result.out;
  }
}

TEST(ThemeCheckTest, TheTitleMustBeOneShortLineThatCodePage936Holds) {
  const struct Case {
    std::string file;
    const char* fault;  // null: accepted
  } cases[] = {
      {"Qorvan", nullptr},
      {"\xEF\xBB\xBF潮汐 Tidewater\r\n", nullptr},  // a byte-order mark and CRLF
      {"一二三四五六七八九十一二三四五六七八九十一二三四\n", nullptr},  // 24 characters, 48 bytes
      {"一二三四五六七八九十一二三四五六七八九十一二三四五\n",
       "the title is 50 bytes in code page 936; at most 48 fit (a Chinese character takes two)"},
      {"\n", "the title is empty"},
      {"Qorvan\nOnline\n", "the title is more than one line"},
      {"Qor\tvan", "the title holds a control character"},
      {" Qorvan", "the title begins or ends with a space"},
      {"Qorvan 🐉",
       "the title has characters that code page 936 cannot represent: the program's "
       "texts are in code page 936"},
      {"Qorv\xC3", "the title is not UTF-8 text"},
      {"Qorv\xED\xA0\x80", "the title is not UTF-8 text"},  // a surrogate
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ThemeFolder theme;
    theme.Write("title.txt", c.file);
    theme::CommandResult result = theme.Check();
    EXPECT_EQ(result.exitCode, c.fault ? 1 : 0) << result.out;
    if (c.fault) {
      EXPECT_NE(result.out.find(std::string("title.txt: ") + c.fault + "\n"), std::string::npos)
          << result.out;
    }
  }
}

TEST(ThemeCheckTest, FlawsThatTheProgramSurvivesAreNotesOnly) {
  ThemeFolder theme;
  theme.Paint("bitmaps/launcher_background.bmp",
              [](Canvas& p) { Fill(p, 100, 300, 102, 301, kKey); });  // a hole inside
  theme.Write("bitmaps/spare.bmp", theme.Read("bitmaps/logo.bmp"));
  theme::CommandResult result = theme.Check();
  EXPECT_EQ(result.exitCode, 0) << result.out;
  EXPECT_NE(result.out.find("bitmaps/launcher_background.bmp: note: 2 pixels (the first at 100, "
                            "300) are the key colour inside the picture: holes there\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("bitmaps/spare.bmp: note: not a file of the theme: the build leaves "
                            "it out\n"),
            std::string::npos)
      << result.out;
}

TEST(ThemeCheckTest, AFolderThatIsNotThereIsAFault) {
  theme::CommandResult result = theme::RunCommand({"check", "/nonexistent/theme"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.out.find(".: the theme folder /nonexistent/theme does not exist\n"),
            std::string::npos)
      << result.out;
}

}  // namespace
