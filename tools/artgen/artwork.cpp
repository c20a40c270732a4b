#include "tools/artgen/artwork.h"

#include "res/resource_ids.h"
#include "tools/artgen/caption_buttons.h"
#include "tools/artgen/frame_pieces.h"
#include "tools/artgen/game_logo.h"
#include "tools/artgen/image_files.h"
#include "tools/artgen/launcher_background.h"
#include "tools/artgen/launcher_buttons.h"
#include "tools/artgen/program_icon.h"

namespace artgen {

namespace {

class BitmapList {
 public:
  explicit BitmapList(std::vector<ArtworkFile>& files) : files_(files) {}
  void Add(int id, const std::string& name, const Canvas& picture) {
    files_.push_back({id, "bitmaps/" + name + ".bmp", EncodeBitmapFile(picture)});
  }

 private:
  std::vector<ArtworkFile>& files_;
};

void AddLauncher(BitmapList& list, const Typesetter& type) {
  list.Add(IDB_LAUNCHER_BACKGROUND, "launcher_background", LauncherBackground(type));
  list.Add(IDB_CLOSE_NORMAL, "launcher_close", LauncherCloseButton(Look::kNormal));
  list.Add(IDB_CLOSE_HOVER, "launcher_close_hover", LauncherCloseButton(Look::kHover));
  list.Add(IDB_CLOSE_PRESSED, "launcher_close_pressed", LauncherCloseButton(Look::kPressed));
  list.Add(IDB_MINIMIZE_NORMAL, "launcher_minimize", LauncherMinimizeButton(Look::kNormal));
  list.Add(IDB_MINIMIZE_HOVER, "launcher_minimize_hover", LauncherMinimizeButton(Look::kHover));
  list.Add(IDB_MINIMIZE_PRESSED, "launcher_minimize_pressed",
           LauncherMinimizeButton(Look::kPressed));

  struct Link {
    int normal, hover;
    const char* name;
    std::u32string label;
  };
  const Link links[] = {
      {IDB_OFFICIAL_NORMAL, IDB_OFFICIAL_HOVER, "link_official", U"官方网站"},
      {IDB_FORUM_NORMAL, IDB_FORUM_HOVER, "link_forum", U"玩家论坛"},
      {IDB_SERVICE_NORMAL, IDB_SERVICE_HOVER, "link_service", U"客服中心"},
      {IDB_PAY_NORMAL, IDB_PAY_HOVER, "link_pay", U"游戏充值"},
  };
  for (const Link& link : links) {
    list.Add(link.normal, link.name, PortalLinkButton(type, link.label, Look::kNormal));
    list.Add(link.hover, std::string(link.name) + "_hover",
             PortalLinkButton(type, link.label, Look::kHover));
  }
  list.Add(IDB_LOGO, "logo", GameLogo(type));
}

void AddFrame(BitmapList& list) {
  list.Add(IDB_FRAME_BOTTOM_LEFT, "frame_bottom_left", BottomLeftPiece());
  list.Add(IDB_FRAME_BOTTOM, "frame_bottom", BottomBorderPiece());
  list.Add(IDB_FRAME_BOTTOM_RIGHT, "frame_bottom_right", BottomRightPiece());
  list.Add(IDB_FRAME_LEFT, "frame_left", LeftBorderPiece());
  list.Add(IDB_FRAME_RIGHT, "frame_right", RightBorderPiece());
  list.Add(IDB_CAPTION_LEFT, "caption_left", CaptionLeftPiece());
  list.Add(IDB_CAPTION_MIDDLE, "caption_middle", CaptionMiddlePiece());
  list.Add(IDB_CAPTION_RIGHT, "caption_right", CaptionRightPiece());
}

void AddCaptionButtons(BitmapList& list, const Typesetter& type) {
  struct GlyphButton {
    int normal, hover;
    const char* name;
    CaptionGlyph glyph;
  };
  const GlyphButton glyphs[] = {
      {IDB_CAPTION_CLOSE, IDB_CAPTION_CLOSE_HOVER, "caption_close", CaptionGlyph::kClose},
      {IDB_CAPTION_MINIMIZE, IDB_CAPTION_MINIMIZE_HOVER, "caption_minimize",
       CaptionGlyph::kMinimize},
      {IDB_CAPTION_MAXIMIZE, IDB_CAPTION_MAXIMIZE_HOVER, "caption_maximize",
       CaptionGlyph::kMaximize},
      {IDB_CAPTION_TRAY, IDB_CAPTION_TRAY_HOVER, "caption_tray", CaptionGlyph::kTray},
      {IDB_CAPTION_RESTORE, IDB_CAPTION_RESTORE_HOVER, "caption_restore", CaptionGlyph::kRestore},
  };
  for (const GlyphButton& b : glyphs) {
    list.Add(b.normal, b.name, CaptionGlyphButton(b.glyph, Look::kNormal));
    list.Add(b.hover, std::string(b.name) + "_hover", CaptionGlyphButton(b.glyph, Look::kHover));
  }

  struct LabelButton {
    int normal, hover;
    const char* name;
    std::u32string label;
  };
  const LabelButton labels[] = {
      {IDB_CAPTION_FORUM, IDB_CAPTION_FORUM_HOVER, "caption_forum", U"论坛"},
      {IDB_CAPTION_SERVICE, IDB_CAPTION_SERVICE_HOVER, "caption_service", U"客服"},
      {IDB_CAPTION_OFFICIAL, IDB_CAPTION_OFFICIAL_HOVER, "caption_official", U"官网"},
      {IDB_CAPTION_SETTINGS, IDB_CAPTION_SETTINGS_HOVER, "caption_settings", U"设置"},
      {IDB_CAPTION_PAY, IDB_CAPTION_PAY_HOVER, "caption_pay", U"充值"},
  };
  for (const LabelButton& b : labels) {
    list.Add(b.normal, b.name, CaptionLabelButton(type, b.label, Look::kNormal));
    list.Add(b.hover, std::string(b.name) + "_hover",
             CaptionLabelButton(type, b.label, Look::kHover));
  }
}

}  // namespace

Artwork GenerateArtwork(const Typesetter& type) {
  Artwork artwork;
  BitmapList list(artwork.bitmaps);
  AddLauncher(list, type);
  AddFrame(list);
  AddCaptionButtons(list, type);
  artwork.icons.push_back({IDR_MAINFRAME, "icons/tessal.ico", EncodeIconFile(ProgramIcon(type))});
  return artwork;
}

}  // namespace artgen
