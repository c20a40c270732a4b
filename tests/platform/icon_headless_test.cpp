// Icons from the resources on the headless desktop: which files load,
// GetIconInfo, and DrawIconEx scaling and blending the picture. The icons
// are built here, so that each pixel's expected colour is known.
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/desktop/resource_model.h"
#include "tests/support/dib_dc.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

namespace {

constexpr WORD kBuiltIcon = 128;      // 4 x 4, 32 bits with alpha
constexpr WORD kMaskedIcon = 129;     // 2 x 1, 24 bits: the AND mask decides
constexpr WORD kTruncatedIcon = 130;  // its picture runs past the file's end
constexpr WORD kProgramIcon = 131;    // the program's own icon file
constexpr DWORD kWhite = 0x00FFFFFF;
constexpr DWORD kOpaqueRed = 0xFFFF0000;

void Put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

// An .ico file of one picture: `pixels` are 0xAARRGGBB, top row first;
// `masked` pixels get the AND mask's bit.
std::string IconFile(int width, int height, int bits, const std::vector<DWORD>& pixels,
                     const std::vector<bool>& masked) {
  std::string image;
  Put32(image, 40);
  Put32(image, static_cast<std::uint32_t>(width));
  Put32(image, static_cast<std::uint32_t>(height * 2));
  Put16(image, 1);
  Put16(image, static_cast<std::uint16_t>(bits));
  for (int i = 0; i < 6; ++i) Put32(image, 0);
  int colourStride = (width * bits / 8 + 3) / 4 * 4;
  int maskStride = (width + 31) / 32 * 4;
  for (int y = height - 1; y >= 0; --y) {  // bottom-up
    std::string row;
    for (int x = 0; x < width; ++x) {
      DWORD p = pixels[y * width + x];
      for (int b = 0; b < bits / 8; ++b) row += static_cast<char>((p >> (8 * b)) & 0xFF);
    }
    row.resize(colourStride, '\0');
    image += row;
  }
  for (int y = height - 1; y >= 0; --y) {
    std::string row(maskStride, '\0');
    for (int x = 0; x < width; ++x) {
      if (masked[y * width + x]) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    image += row;
  }
  std::string file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, 1);
  file += static_cast<char>(width);
  file += static_cast<char>(height);
  file += std::string(2, '\0');
  Put16(file, 1);
  Put16(file, static_cast<std::uint16_t>(bits));
  Put32(file, static_cast<std::uint32_t>(image.size()));
  Put32(file, 22);
  return file + image;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class IconHeadlessTest : public PlatformTest {
 protected:
  const desktop::ResourceSet* Resources() override {
    static const std::string built = IconFile(4, 4, 32,
                                              {kOpaqueRed, kOpaqueRed, 0, 0,                    //
                                               0, 0, 0, 0,                                      //
                                               0x800000FF, 0x800000FF, 0xFF00FF00, 0xFF00FF00,  //
                                               0x800000FF, 0x800000FF, 0xFF00FF00, 0xFF00FF00},
                                              std::vector<bool>(16, false));
    static const std::string masked = IconFile(2, 1, 24, {0x00FF0000, 0x0000FF00}, {false, true});
    static const std::string truncated = built.substr(0, built.size() - 10);
    static const std::string program = ReadFile(TESSAL_SOURCE_DIR "/res/icons/tessal.ico");
    static const desktop::ResourceSet resources = [] {
      desktop::ResourceSet r = TestResources();
      r.icons = {{kBuiltIcon, "built.ico", built},
                 {kMaskedIcon, "masked.ico", masked},
                 {kTruncatedIcon, "truncated.ico", truncated},
                 {kProgramIcon, "icons/tessal.ico", program}};
      return r;
    }();
    return &resources;
  }
  static HICON Icon(WORD id) { return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }
};

TEST_F(IconHeadlessTest, WellFormedIconsLoadAndBrokenOnesDoNot) {
  EXPECT_NE(Icon(kBuiltIcon), nullptr);
  EXPECT_NE(Icon(kMaskedIcon), nullptr);
  EXPECT_NE(Icon(kProgramIcon), nullptr);
  EXPECT_EQ(Icon(kBuiltIcon), Icon(kBuiltIcon));  // shared, never destroyed
  EXPECT_EQ(Icon(kTruncatedIcon), nullptr);
  EXPECT_EQ(Icon(999), nullptr);
  DibDc dib(4, 4);
  EXPECT_FALSE(
      DrawIconEx(dib.dc(), 0, 0, reinterpret_cast<HICON>(0x1234), 4, 4, 0, nullptr, DI_NORMAL));
}

TEST_F(IconHeadlessTest, AtItsOwnSizeTheIconBlendsByItsAlpha) {
  DibDc dib(6, 6, std::vector<DWORD>(36, kWhite));
  ASSERT_TRUE(DrawIconEx(dib.dc(), 1, 1, Icon(kBuiltIcon), 4, 4, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(dib.Row(1), (std::vector<DWORD>{kWhite, 0xFF0000, 0xFF0000, kWhite, kWhite, kWhite}));
  EXPECT_EQ(dib.Row(2), std::vector<DWORD>(6, kWhite));
  // Half-covered blue over white; opaque green.
  EXPECT_EQ(dib.Row(3),
            (std::vector<DWORD>{kWhite, 0x7F7FFF, 0x7F7FFF, 0x00FF00, 0x00FF00, kWhite}));
  EXPECT_EQ(dib.Row(5), std::vector<DWORD>(6, kWhite));
}

TEST_F(IconHeadlessTest, ScaledDownEachPixelAveragesWhatItCovers) {
  DibDc dib(2, 2, std::vector<DWORD>(4, kWhite));
  ASSERT_TRUE(DrawIconEx(dib.dc(), 0, 0, Icon(kBuiltIcon), 2, 2, 0, nullptr, DI_NORMAL));
  // Top left: two red pixels of four, so half red over white.
  EXPECT_EQ(dib.At(0, 0), 0xFF8080u);
  EXPECT_EQ(dib.At(1, 0), kWhite);
  EXPECT_EQ(dib.At(0, 1), 0x7F7FFFu);
  EXPECT_EQ(dib.At(1, 1), 0x00FF00u);
}

TEST_F(IconHeadlessTest, WithoutAlphaTheMaskMakesPixelsSeeThrough) {
  DibDc dib(2, 1, std::vector<DWORD>(2, kWhite));
  ASSERT_TRUE(DrawIconEx(dib.dc(), 0, 0, Icon(kMaskedIcon), 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(dib.Row(0), (std::vector<DWORD>{0xFF0000, kWhite}));
}

TEST_F(IconHeadlessTest, TheProgramIconDrawsAtSixteenWithinItsSquareAndTheClip) {
  DWORD start = LiveGdiObjects();
  HICON icon = Icon(kProgramIcon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP colour{};
  GetObjectA(info.hbmColor, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, 64);
  EXPECT_EQ(colour.bmHeight, 64);
  EXPECT_TRUE(DeleteObject(info.hbmColor));
  EXPECT_TRUE(DeleteObject(info.hbmMask));

  {
    DibDc dib(40, 40, std::vector<DWORD>(1600, kWhite));
    ASSERT_TRUE(DrawIconEx(dib.dc(), 5, 3, icon, 16, 16, 0, nullptr, DI_NORMAL));
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        bool changed = dib.At(x, y) != kWhite;
        (x >= 5 && x < 21 && y >= 3 && y < 19 ? inside : outside) += changed;
      }
    }
    EXPECT_GT(inside, 16 * 16 / 2);
    EXPECT_EQ(outside, 0);

    DibDc clipped(40, 40, std::vector<DWORD>(1600, kWhite));
    HRGN top = CreateRectRgn(0, 0, 40, 8);
    SelectClipRgn(clipped.dc(), top);
    DeleteObject(top);
    DrawIconEx(clipped.dc(), 5, 3, icon, 16, 16, 0, nullptr, DI_NORMAL);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(clipped.At(x, 8), kWhite);
  }
  EXPECT_EQ(LiveGdiObjects(), start);
}

}  // namespace
