#include "tools/artgen/layout_sheet.h"

#include <algorithm>
#include <map>
#include <string>

#include "launcher/launcher_layout.h"
#include "res/resource_ids.h"
#include "res/theme_files.h"
#include "skin/caption_layout.h"
#include "skin/frame_paint_steps.h"
#include "tools/artgen/image_files.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/shapes.h"

namespace artgen {

namespace {

constexpr Rgb kSheet{48, 48, 52}, kOutline{255, 214, 0}, kPage{0, 220, 255}, kText{255, 255, 255};
constexpr int kMargin = 16;

Rgb Checker(int x, int y) {
  return ((x / 8 + y / 8) % 2) ? Rgb{200, 200, 200} : Rgb{236, 236, 236};
}

std::u32string Wide(const std::string& ascii) { return std::u32string(ascii.begin(), ascii.end()); }

// The file name without its folder and extension.
std::string ShortName(const char* path) {
  std::string name = path;
  name = name.substr(name.find('/') + 1);
  return name.substr(0, name.rfind('.'));
}

void Frame(Canvas& sheet, int left, int top, int right, int bottom, Rgb colour) {
  for (int x = left; x < right; ++x) {
    for (int y : {top, bottom - 1}) {
      if (sheet.Contains(x, y)) sheet.At(x, y) = colour;
    }
  }
  for (int y = top; y < bottom; ++y) {
    for (int x : {left, right - 1}) {
      if (sheet.Contains(x, y)) sheet.At(x, y) = colour;
    }
  }
}

// A name on a dark tag whose top-left corner is (left, top).
void Tag(Canvas& sheet, const Typesetter& type, const std::string& text, int left, int top,
         Rgb colour = kText) {
  Lettering letters = type.Set(Wide(text), {11, 0, 0});
  Fill(sheet, Rectangle(left, top, left + letters.width + 6, top + letters.height + 6),
       Rgb{0, 0, 0}, 0.75);
  Letter(sheet, letters, left + 3, top + 3, Flat(colour));
}

void PlaceOver(Canvas& sheet, const Canvas& picture, int left, int top, bool checkerKey) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (!sheet.Contains(left + x, top + y)) continue;
      const Rgb& p = picture.At(x, y);
      if (p != kKeyColor)
        sheet.At(left + x, top + y) = p;
      else if (checkerKey)
        sheet.At(left + x, top + y) = Checker(left + x, top + y);
    }
  }
}

// The picture scaled into the rectangle, nearest pixel.
void Stretch(Canvas& sheet, const Canvas& picture, RECT to, int dx, int dy) {
  for (LONG y = to.top; y < to.bottom; ++y) {
    for (LONG x = to.left; x < to.right; ++x) {
      const int px = static_cast<int>((x - to.left) * picture.Width() / (to.right - to.left));
      const int py = static_cast<int>((y - to.top) * picture.Height() / (to.bottom - to.top));
      if (sheet.Contains(x + dx, y + dy)) sheet.At(x + dx, y + dy) = picture.At(px, py);
    }
  }
}

int DrawLauncher(Canvas& sheet, const std::map<int, Canvas>& pictures, const Typesetter& type) {
  const int left = kMargin, top = kMargin + 24;
  Tag(sheet, type,
      "The launcher: launcher_background, 1008 x 601; see-through (key colour) "
      "pixels as a checkerboard",
      left, kMargin - 4);
  PlaceOver(sheet, pictures.at(IDB_LAUNCHER_BACKGROUND), left, top, true);
  for (const launcher_layout::ButtonLayout& b : launcher_layout::Buttons) {
    PlaceOver(sheet, pictures.at(b.normal), left + b.rect.left, top + b.rect.top, false);
  }
  // The login page, and the margin around it that must stay solid.
  const RECT& page = launcher_layout::BrowserRect;
  Fill(sheet, Rectangle(left + page.left, top + page.top, left + page.right, top + page.bottom),
       Rgb{0, 40, 60}, 0.6);
  Frame(sheet, left + page.left, top + page.top, left + page.right, top + page.bottom, kPage);
  Frame(sheet, left + page.left - 3, top + page.top - 3, left + page.right + 3,
        top + page.bottom + 3, kPage);
  Tag(sheet, type, "login page 271,166 - 953,583: the background is solid here and 3 pixels around",
      left + page.left + 12, top + page.bottom - 32, kPage);

  // Each button's picture where it is drawn, named below or above it.
  for (const launcher_layout::ButtonLayout& b : launcher_layout::Buttons) {
    const Canvas& picture = pictures.at(b.normal);
    const int x = left + b.rect.left, y = top + b.rect.top;
    Frame(sheet, x, y, x + picture.Width(), y + picture.Height(), kOutline);
    const std::string name = ShortName(theme::FindPicture(b.normal)->path) + " " +
                             std::to_string(picture.Width()) + "x" +
                             std::to_string(picture.Height()) + " at " +
                             std::to_string(b.rect.left) + "," + std::to_string(b.rect.top);
    // Tags below the pictures, in rows, so that neighbours do not cover each other.
    const bool above = b.id == IDC_LOGO_BUTTON || b.id == IDC_CLOSE_BUTTON;
    const int row = b.id == IDC_FORUM_BUTTON || b.id == IDC_PAY_BUTTON ? 1
                    : b.id == IDC_MINIMIZE_BUTTON                      ? 2
                                                                       : 0;
    const int tagX = b.id == IDC_MINIMIZE_BUTTON ? x - 150 : std::min(x, left + 1008 - 190);
    Tag(sheet, type, name, tagX, above ? y - 22 : top + 159 + row * 22, kOutline);
    if (!above) {
      for (int ty = y + picture.Height(); ty < top + 159 + row * 22; ++ty)
        sheet.At(x + 2, ty) = kOutline;
    }
  }
  return top + 601;
}

// The top of a normal game window, 1000 pixels wide, as the frame paints it.
void DrawGameWindowTop(Canvas& sheet, const std::map<int, Canvas>& pictures, const Typesetter& type,
                       int top) {
  constexpr int kWidth = 1000, kHeight = 120, kCaption = 23;
  const int left = kMargin;
  Tag(sheet, type,
      "The game window's top (a normal window of 1000 pixels; the title bar is as "
      "high as the system's caption)",
      left, top);
  top += 28;
  const std::map<FramePiece, int> pieceIds = {{FramePiece::CaptionLeft, IDB_CAPTION_LEFT},
                                              {FramePiece::CaptionMiddle, IDB_CAPTION_MIDDLE},
                                              {FramePiece::CaptionRight, IDB_CAPTION_RIGHT},
                                              {FramePiece::LeftBorder, IDB_FRAME_LEFT},
                                              {FramePiece::RightBorder, IDB_FRAME_RIGHT},
                                              {FramePiece::BottomLeft, IDB_FRAME_BOTTOM_LEFT},
                                              {FramePiece::BottomBorder, IDB_FRAME_BOTTOM},
                                              {FramePiece::BottomRight, IDB_FRAME_BOTTOM_RIGHT}};
  auto size = [&](int id) { return SIZE{pictures.at(id).Width(), pictures.at(id).Height()}; };
  FramePaintInput paint;
  paint.width = kWidth;
  paint.height = kHeight;
  paint.captionHeight = kCaption;
  paint.captionLeft = size(IDB_CAPTION_LEFT);
  paint.captionRight = size(IDB_CAPTION_RIGHT);
  paint.leftBorder = size(IDB_FRAME_LEFT);
  paint.bottomLeft = size(IDB_FRAME_BOTTOM_LEFT);
  paint.bottomRight = size(IDB_FRAME_BOTTOM_RIGHT);
  Fill(sheet, Rectangle(left, top, left + kWidth, top + kHeight), Rgb{0, 0, 0});
  for (const FramePaintStep& step : FramePaintSteps(paint)) {
    const Canvas& picture = pictures.at(pieceIds.at(step.piece));
    RECT to = step.destination;
    if (!step.stretched) {
      to.right = to.left + picture.Width();
      to.bottom = to.top + picture.Height();
    }
    Stretch(sheet, picture, to, left, top);
  }

  CaptionLayoutInput in;
  in.proposed = {0, 0, kWidth, kHeight};
  in.rowWidth = kWidth;
  in.style = WS_MAXIMIZEBOX | WS_MINIMIZEBOX;
  in.captionHeight = kCaption;
  CaptionLayout layout = LayoutCaption(in);
  const int normals[] = {IDB_CAPTION_CLOSE,    IDB_CAPTION_MAXIMIZE, IDB_CAPTION_RESTORE,
                         IDB_CAPTION_MINIMIZE, IDB_CAPTION_TRAY,     IDB_CAPTION_SETTINGS,
                         IDB_CAPTION_SERVICE,  IDB_CAPTION_FORUM,    IDB_CAPTION_OFFICIAL,
                         IDB_CAPTION_PAY};
  int row = 0;
  for (int id = 1; id <= kCaptionButtonCount; ++id) {
    const RECT& r = layout.Button(id);
    if (r.right <= r.left) continue;
    const int picture = normals[id - 1];
    PlaceOver(sheet, pictures.at(picture), left + r.left, top + r.top, false);
    const int tagTop = top + kCaption + 8 + (row++ % 4) * 20;
    for (int y = top + r.bottom; y < tagTop; ++y) sheet.At(left + r.left + 2, y) = kOutline;
    Tag(sheet, type, ShortName(theme::FindPicture(picture)->path), left + r.left - 70, tagTop,
        kOutline);
  }
  // The program icon and the title with the server name, left in the bar.
  const RECT& icon = layout.icon;
  Frame(sheet, left + icon.left, top + icon.top, left + icon.right, top + icon.bottom, kPage);
  Tag(sheet, type,
      "icon (icons/tessal.ico at 16 x 16), then the title (title.txt) and the "
      "server name",
      left + icon.right + 6, top + icon.top - 4, kPage);
  Tag(sheet, type, "title bar: caption_left, caption_middle (stretched), caption_right", left + 40,
      top + kCaption + 12);
  Tag(sheet, type, "below it frame_left and frame_right; the frame_bottom pieces at the foot",
      left + 40, top + kCaption + 34);
}

}  // namespace

Canvas LayoutSheet(const Artwork& artwork, const Typesetter& type) {
  std::map<int, Canvas> pictures;
  for (const ArtworkFile& file : artwork.bitmaps) {
    auto decoded = DecodeBitmapFile(file.bytes);
    if (decoded && decoded->pixels) pictures.emplace(file.id, *decoded->pixels);
  }
  Canvas sheet(1008 + 2 * kMargin, 860, kSheet);
  const int bottom = DrawLauncher(sheet, pictures, type);
  DrawGameWindowTop(sheet, pictures, type, bottom + 24);
  return sheet;
}

}  // namespace artgen
