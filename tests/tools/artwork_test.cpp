// The artwork under res/: drawn by tools/artgen, committed, built into the
// program. These tests hold the generator, the committed files and the
// resource tables together, and check what the program relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/desktop/resource_model.h"
#include "res/resource_ids.h"
#include "tools/artgen/artwork.h"
#include "tools/artgen/image_files.h"

const desktop::ResourceSet& AfxProgramResources();

namespace {

using artgen::Canvas;
using artgen::Rgb;

constexpr const char* kRegenerate = "regenerate: cmake --build --preset dev --target artwork";

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

const desktop::FileResource* FindBitmap(int id) {
  for (const desktop::FileResource& bitmap : AfxProgramResources().bitmaps) {
    if (bitmap.id == id) return &bitmap;
  }
  return nullptr;
}

// The program's bitmap by id, decoded from the bytes it carries.
Canvas Picture(int id) {
  const desktop::FileResource* bitmap = FindBitmap(id);
  if (!bitmap) {
    ADD_FAILURE() << "no bitmap " << id;
    return Canvas(0, 0);
  }
  auto info = artgen::DecodeBitmapFile(bitmap->bytes);
  if (!info || !info->pixels) {
    ADD_FAILURE() << "bitmap " << id << " is not a 24-bit file";
    return Canvas(0, 0);
  }
  return *info->pixels;
}

bool IsKey(const Canvas& picture, int x, int y) { return picture.At(x, y) == artgen::kKeyColor; }

// --- The generator and the committed files --------------------------------

class ArtworkGenerationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    artgen::Typesetter type(TESSAL_ART_FONT);
    artwork_ = new artgen::Artwork(artgen::GenerateArtwork(type));
  }
  static void TearDownTestSuite() {
    delete artwork_;
    artwork_ = nullptr;
  }
  static std::vector<const artgen::ArtworkFile*> Files() {
    std::vector<const artgen::ArtworkFile*> files;
    for (const auto& f : artwork_->bitmaps) files.push_back(&f);
    for (const auto& f : artwork_->icons) files.push_back(&f);
    return files;
  }
  static artgen::Artwork* artwork_;
};

artgen::Artwork* ArtworkGenerationTest::artwork_ = nullptr;

TEST_F(ArtworkGenerationTest, CommittedFilesAreWhatTheGeneratorDraws) {
  for (const artgen::ArtworkFile* file : Files()) {
    std::filesystem::path path = std::filesystem::path(TESSAL_RES_DIR) / file->path;
    EXPECT_TRUE(ReadFile(path) == file->bytes) << path << " differs; " << kRegenerate;
  }
}

TEST_F(ArtworkGenerationTest, NoFileUnderResIsLeftOverFromEarlierArtwork) {
  std::set<std::string> generated;
  for (const artgen::ArtworkFile* file : Files()) generated.insert(file->path);
  for (const char* folder : {"bitmaps", "icons"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(TESSAL_RES_DIR) / folder)) {
      std::string path = std::string(folder) + "/" + entry.path().filename().string();
      EXPECT_TRUE(generated.count(path)) << path << " is not drawn by the generator";
    }
  }
}

TEST_F(ArtworkGenerationTest, TheProgramCarriesEveryFileByteForByte) {
  std::map<std::string, int> tableIds;
  for (const auto* list : {&AfxProgramResources().bitmaps, &AfxProgramResources().icons}) {
    for (const desktop::FileResource& resource : *list) {
      tableIds[resource.path] = resource.id;
      EXPECT_TRUE(resource.bytes == ReadFile(std::filesystem::path(TESSAL_RES_DIR) / resource.path))
          << resource.path;
    }
  }
  for (const artgen::ArtworkFile* file : Files()) {
    ASSERT_TRUE(tableIds.count(file->path)) << file->path << " is missing from res/resources.cpp";
    EXPECT_EQ(tableIds[file->path], file->id) << file->path;
  }
  EXPECT_EQ(tableIds.size(), Files().size());
}

// --- What the program relies on -------------------------------------------

struct ExpectedSize {
  int id, width, height;
};

constexpr ExpectedSize kBitmapSizes[] = {
    {IDB_LAUNCHER_BACKGROUND, 1008, 601},
    {IDB_CLOSE_NORMAL, 33, 33},           {IDB_CLOSE_HOVER, 33, 33},
    {IDB_CLOSE_PRESSED, 33, 33},          {IDB_MINIMIZE_NORMAL, 30, 30},
    {IDB_MINIMIZE_HOVER, 30, 30},         {IDB_MINIMIZE_PRESSED, 30, 30},
    {IDB_OFFICIAL_NORMAL, 78, 23},        {IDB_OFFICIAL_HOVER, 78, 23},
    {IDB_FORUM_NORMAL, 78, 23},           {IDB_FORUM_HOVER, 78, 23},
    {IDB_SERVICE_NORMAL, 78, 23},         {IDB_SERVICE_HOVER, 78, 23},
    {IDB_PAY_NORMAL, 78, 23},             {IDB_PAY_HOVER, 78, 23},
    {IDB_LOGO, 231, 140},
    {IDB_FRAME_BOTTOM_LEFT, 6, 5},        {IDB_FRAME_BOTTOM, 6, 5},
    {IDB_FRAME_BOTTOM_RIGHT, 6, 5},       {IDB_FRAME_LEFT, 6, 5},
    {IDB_FRAME_RIGHT, 6, 5},              {IDB_CAPTION_LEFT, 6, 5},
    {IDB_CAPTION_MIDDLE, 6, 27},          {IDB_CAPTION_RIGHT, 6, 27},
    {IDB_CAPTION_CLOSE, 18, 18},          {IDB_CAPTION_CLOSE_HOVER, 18, 18},
    {IDB_CAPTION_MINIMIZE, 18, 18},       {IDB_CAPTION_MINIMIZE_HOVER, 18, 18},
    {IDB_CAPTION_MAXIMIZE, 18, 18},       {IDB_CAPTION_MAXIMIZE_HOVER, 18, 18},
    {IDB_CAPTION_TRAY, 18, 18},           {IDB_CAPTION_TRAY_HOVER, 18, 18},
    {IDB_CAPTION_RESTORE, 18, 18},        {IDB_CAPTION_RESTORE_HOVER, 18, 18},
    {IDB_CAPTION_FORUM, 38, 18},          {IDB_CAPTION_FORUM_HOVER, 38, 18},
    {IDB_CAPTION_SERVICE, 38, 18},        {IDB_CAPTION_SERVICE_HOVER, 38, 18},
    {IDB_CAPTION_OFFICIAL, 38, 18},       {IDB_CAPTION_OFFICIAL_HOVER, 38, 18},
    {IDB_CAPTION_SETTINGS, 38, 18},       {IDB_CAPTION_SETTINGS_HOVER, 38, 18},
    {IDB_CAPTION_PAY, 38, 18},            {IDB_CAPTION_PAY_HOVER, 38, 18},
};

TEST(ProgramArtworkTest, EveryBitmapIsA24BitBottomUpPictureOfItsSize) {
  std::set<int> expectedIds;
  for (const ExpectedSize& expected : kBitmapSizes) {
    SCOPED_TRACE(expected.id);
    expectedIds.insert(expected.id);
    const desktop::FileResource* bitmap = FindBitmap(expected.id);
    ASSERT_NE(bitmap, nullptr);
    auto info = artgen::DecodeBitmapFile(bitmap->bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->bitsPerPixel, 24);
    EXPECT_EQ(info->width, expected.width);
    EXPECT_EQ(info->height, expected.height);  // positive: rows from the bottom
    EXPECT_TRUE(info->pixels);
  }
  for (const desktop::FileResource& bitmap : AfxProgramResources().bitmaps) {
    EXPECT_TRUE(expectedIds.count(bitmap.id)) << "unexpected bitmap " << bitmap.id;
  }
}

// The frame pieces, block by block: columns [left, right) of rows [top, bottom).
struct Block {
  int left, top, right, bottom;
  Rgb colour;
};

struct FramePiece {
  int id;
  std::vector<Block> blocks;  // together they cover the piece
};

TEST(ProgramArtworkTest, FramePiecesArePixelForPixelAsDesigned) {
  constexpr Rgb kBar{22, 22, 22}, kLine{10, 10, 10}, kLight{42, 42, 42}, kBlack{0, 0, 0},
      kRim{21, 21, 21};
  const FramePiece pieces[] = {
      {IDB_CAPTION_LEFT, {{0, 0, 6, 5, {27, 26, 22}}}},
      {IDB_CAPTION_MIDDLE,
       {{0, 0, 6, 1, kLine}, {0, 1, 6, 2, kLight}, {0, 2, 6, 24, kBar}, {0, 24, 6, 27, kBlack}}},
      {IDB_CAPTION_RIGHT,
       {{0, 0, 6, 1, kLine},
        {0, 1, 4, 2, kLight},
        {4, 1, 6, 2, kBar},
        {0, 2, 6, 24, kBar},
        {0, 24, 4, 27, kBlack},
        {4, 24, 6, 27, kRim}}},
      {IDB_FRAME_LEFT, {{0, 0, 2, 5, kRim}, {2, 0, 6, 5, kBlack}}},
      {IDB_FRAME_RIGHT, {{0, 0, 4, 5, kBlack}, {4, 0, 6, 5, kRim}}},
      {IDB_FRAME_BOTTOM_LEFT, {{0, 0, 2, 3, kRim}, {2, 0, 6, 3, kBlack}, {0, 3, 6, 5, kRim}}},
      {IDB_FRAME_BOTTOM, {{0, 0, 6, 3, kBlack}, {0, 3, 6, 5, kRim}}},
      {IDB_FRAME_BOTTOM_RIGHT, {{0, 0, 4, 3, kBlack}, {4, 0, 6, 3, kRim}, {0, 3, 6, 5, kRim}}},
  };
  for (const FramePiece& piece : pieces) {
    Canvas picture = Picture(piece.id);
    int covered = 0;
    for (const Block& block : piece.blocks) {
      for (int y = block.top; y < block.bottom; ++y) {
        for (int x = block.left; x < block.right; ++x) {
          ASSERT_TRUE(picture.Contains(x, y)) << piece.id;
          const Rgb& p = picture.At(x, y);
          EXPECT_EQ(p, block.colour) << "bitmap " << piece.id << " at " << x << "," << y << ": "
                                     << int(p.r) << "," << int(p.g) << "," << int(p.b);
          ++covered;
        }
      }
    }
    EXPECT_EQ(covered, picture.Width() * picture.Height()) << piece.id;
  }
}

// A button's region is cut from its normal picture alone, so its other
// looks must keep exactly the same key pixels.
TEST(ProgramArtworkTest, ButtonLooksShareTheNormalPicturesKeyPixels) {
  const std::vector<std::vector<int>> families = {
      {IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED},
      {IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED},
      {IDB_OFFICIAL_NORMAL, IDB_OFFICIAL_HOVER},
      {IDB_FORUM_NORMAL, IDB_FORUM_HOVER},
      {IDB_SERVICE_NORMAL, IDB_SERVICE_HOVER},
      {IDB_PAY_NORMAL, IDB_PAY_HOVER},
  };
  for (const std::vector<int>& family : families) {
    Canvas normal = Picture(family[0]);
    for (std::size_t i = 1; i < family.size(); ++i) {
      Canvas look = Picture(family[i]);
      ASSERT_EQ(look.Width(), normal.Width());
      ASSERT_EQ(look.Height(), normal.Height());
      for (int y = 0; y < normal.Height(); ++y) {
        for (int x = 0; x < normal.Width(); ++x) {
          ASSERT_EQ(IsKey(look, x, y), IsKey(normal, x, y))
              << "bitmap " << family[i] << " against " << family[0] << " at " << x << "," << y;
        }
      }
    }
  }
}

// Key pixels only where a shape is see-through: each must reach the
// picture's edge through other key pixels (no stray holes inside), and the
// pixels bordering them must not be blended towards the key colour.
void ExpectCleanShape(int id) {
  SCOPED_TRACE(id);
  Canvas picture = Picture(id);
  const int w = picture.Width(), h = picture.Height();
  std::vector<bool> reached(static_cast<std::size_t>(w) * h);
  std::vector<std::pair<int, int>> todo;
  for (int x = 0; x < w; ++x) todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
  for (int y = 0; y < h; ++y) todo.insert(todo.end(), {{0, y}, {w - 1, y}});
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    if (x < 0 || y < 0 || x >= w || y >= h || !IsKey(picture, x, y)) continue;
    if (reached[static_cast<std::size_t>(y) * w + x]) continue;
    reached[static_cast<std::size_t>(y) * w + x] = true;
    todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  int strays = 0, softEdges = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (IsKey(picture, x, y)) {
        if (!reached[static_cast<std::size_t>(y) * w + x]) ++strays;
        continue;
      }
      bool bordersKey = false;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        if (picture.Contains(x + dx, y + dy) && IsKey(picture, x + dx, y + dy)) bordersKey = true;
      }
      const Rgb& p = picture.At(x, y);
      int distance = std::max({std::abs(p.r - 92), std::abs(p.g - 92), std::abs(p.b - 92)});
      if (bordersKey && distance < 16) ++softEdges;
    }
  }
  EXPECT_EQ(strays, 0) << "key pixels inside the picture";
  EXPECT_EQ(softEdges, 0) << "edge pixels close to the key colour";
}

TEST(ProgramArtworkTest, ShapedPicturesHaveCleanEdgesAndNoStrayKeyPixels) {
  for (int id : {IDB_LAUNCHER_BACKGROUND, IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED,
                 IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED,
                 IDB_OFFICIAL_NORMAL, IDB_OFFICIAL_HOVER, IDB_FORUM_NORMAL, IDB_FORUM_HOVER,
                 IDB_SERVICE_NORMAL, IDB_SERVICE_HOVER, IDB_PAY_NORMAL, IDB_PAY_HOVER, IDB_LOGO}) {
    ExpectCleanShape(id);
  }
}

TEST(ProgramArtworkTest, CaptionButtonsAreSolidTiles) {
  for (int id : {IDB_CAPTION_CLOSE, IDB_CAPTION_CLOSE_HOVER, IDB_CAPTION_MINIMIZE,
                 IDB_CAPTION_MINIMIZE_HOVER, IDB_CAPTION_MAXIMIZE, IDB_CAPTION_MAXIMIZE_HOVER,
                 IDB_CAPTION_TRAY, IDB_CAPTION_TRAY_HOVER, IDB_CAPTION_RESTORE,
                 IDB_CAPTION_RESTORE_HOVER, IDB_CAPTION_FORUM, IDB_CAPTION_FORUM_HOVER,
                 IDB_CAPTION_SERVICE, IDB_CAPTION_SERVICE_HOVER, IDB_CAPTION_OFFICIAL,
                 IDB_CAPTION_OFFICIAL_HOVER, IDB_CAPTION_SETTINGS, IDB_CAPTION_SETTINGS_HOVER,
                 IDB_CAPTION_PAY, IDB_CAPTION_PAY_HOVER}) {
    Canvas picture = Picture(id);
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        ASSERT_FALSE(IsKey(picture, x, y)) << "bitmap " << id << " at " << x << "," << y;
      }
    }
  }
}

TEST(ProgramArtworkTest, LauncherIsShapedAroundASolidLoginPanel) {
  Canvas background = Picture(IDB_LAUNCHER_BACKGROUND);
  ASSERT_EQ(background.Width(), 1008);
  // See-through around its shape: the corners of the window.
  for (auto [x, y] : {std::pair{0, 0}, {1007, 0}, {0, 600}, {1007, 600}}) {
    EXPECT_TRUE(IsKey(background, x, y)) << x << "," << y;
  }
  // The panel under the login page and a margin of three pixels around it
  // are solid: no hole opens beside the page.
  constexpr int kLeft = 271, kTop = 166, kRight = 953, kBottom = 583, kMargin = 3;
  for (int y = kTop - kMargin; y < kBottom + kMargin; ++y) {
    for (int x = kLeft - kMargin; x < kRight + kMargin; ++x) {
      ASSERT_FALSE(IsKey(background, x, y)) << x << "," << y;
    }
  }
}

// The logo's lower corners lie over the forum and service buttons' rows;
// there it must be see-through, so that it does not cover them.
TEST(ProgramArtworkTest, LogoStaysClearOfTheLinkButtonsBesideIt) {
  Canvas logo = Picture(IDB_LOGO);
  constexpr int kLogoLeft = 503, kLogoTop = 28;
  const struct {
    int left, top, right, bottom;
  } links[] = {{455, 132, 533, 155}, {704, 132, 782, 155}};
  for (const auto& link : links) {
    for (int y = link.top; y < link.bottom; ++y) {
      for (int x = std::max(link.left, kLogoLeft); x < std::min(link.right, kLogoLeft + 231); ++x) {
        ASSERT_TRUE(IsKey(logo, x - kLogoLeft, y - kLogoTop)) << x << "," << y;
      }
    }
  }
}

TEST(ProgramArtworkTest, IconIsOne64By64PictureWith32Bits) {
  ASSERT_EQ(AfxProgramResources().icons.size(), 1u);
  const desktop::FileResource& icon = AfxProgramResources().icons[0];
  EXPECT_EQ(icon.id, IDR_MAINFRAME);
  const std::string_view bytes = icon.bytes;
  ASSERT_GE(bytes.size(), 6u + 16u + 40u + 64u * 64u * 4u + 64u * 8u);
  auto u16 = [&](std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8;
  };
  auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
  EXPECT_EQ(u16(0), 0);   // reserved
  EXPECT_EQ(u16(2), 1);   // an icon
  EXPECT_EQ(u16(4), 1);   // one picture
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[6]), 64);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[7]), 64);
  EXPECT_EQ(u16(12), 32);  // bits per pixel
  EXPECT_EQ(u32(14), bytes.size() - 22);
  EXPECT_EQ(u32(18), 22);
  EXPECT_EQ(u32(22), 40);   // BITMAPINFOHEADER
  EXPECT_EQ(u32(26), 64);   // width
  EXPECT_EQ(u32(30), 128);  // colour and mask rows
  EXPECT_EQ(u16(36), 32);
  // Opaque in the middle, clear in the corners, and the mask agrees.
  auto alpha = [&](int x, int y) {
    return static_cast<std::uint8_t>(bytes[62 + ((63 - y) * 64 + x) * 4 + 3]);
  };
  auto masked = [&](int x, int y) {
    std::size_t at = 62 + 64 * 64 * 4 + static_cast<std::size_t>(63 - y) * 8 + x / 8;
    return (static_cast<std::uint8_t>(bytes[at]) & (0x80 >> (x % 8))) != 0;
  };
  EXPECT_EQ(alpha(32, 32), 255);
  EXPECT_FALSE(masked(32, 32));
  for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}}) {
    EXPECT_EQ(alpha(x, y), 0);
    EXPECT_TRUE(masked(x, y));
  }
}

}  // namespace
