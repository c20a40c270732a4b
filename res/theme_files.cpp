#include "res/theme_files.h"

#include "res/resource_ids.h"

namespace theme {

namespace {

constexpr KeyUse kShape = KeyUse::kShape;
constexpr KeyUse kSolid = KeyUse::kForbidden;

constexpr PictureFile kPictures[] = {
    // The launcher: its window picture, the close and minimise buttons
    // (normal, hover, pressed), the portal links (normal, hover), the logo.
    {IDB_LAUNCHER_BACKGROUND, "bitmaps/launcher_background.bmp", 1008, 601, kShape,
     "the launcher window; its key pixels are holes in the window", nullptr},
    {IDB_CLOSE_NORMAL, "bitmaps/launcher_close.bmp", 33, 33, kShape, "close button", nullptr},
    {IDB_CLOSE_HOVER, "bitmaps/launcher_close_hover.bmp", 33, 33, kShape,
     "close button under the mouse", "bitmaps/launcher_close.bmp"},
    {IDB_CLOSE_PRESSED, "bitmaps/launcher_close_pressed.bmp", 33, 33, kShape,
     "close button pressed", "bitmaps/launcher_close.bmp"},
    {IDB_MINIMIZE_NORMAL, "bitmaps/launcher_minimize.bmp", 30, 30, kShape, "minimise button",
     nullptr},
    {IDB_MINIMIZE_HOVER, "bitmaps/launcher_minimize_hover.bmp", 30, 30, kShape,
     "minimise button under the mouse", "bitmaps/launcher_minimize.bmp"},
    {IDB_MINIMIZE_PRESSED, "bitmaps/launcher_minimize_pressed.bmp", 30, 30, kShape,
     "minimise button pressed", "bitmaps/launcher_minimize.bmp"},
    {IDB_OFFICIAL_NORMAL, "bitmaps/link_official.bmp", 78, 23, kShape,
     "official site link (label 官方网站)", nullptr},
    {IDB_OFFICIAL_HOVER, "bitmaps/link_official_hover.bmp", 78, 23, kShape,
     "official site link under the mouse", "bitmaps/link_official.bmp"},
    {IDB_FORUM_NORMAL, "bitmaps/link_forum.bmp", 78, 23, kShape,
     "player forum link (label 玩家论坛)", nullptr},
    {IDB_FORUM_HOVER, "bitmaps/link_forum_hover.bmp", 78, 23, kShape,
     "player forum link under the mouse", "bitmaps/link_forum.bmp"},
    {IDB_SERVICE_NORMAL, "bitmaps/link_service.bmp", 78, 23, kShape,
     "customer service link (label 客服中心)", nullptr},
    {IDB_SERVICE_HOVER, "bitmaps/link_service_hover.bmp", 78, 23, kShape,
     "customer service link under the mouse", "bitmaps/link_service.bmp"},
    {IDB_PAY_NORMAL, "bitmaps/link_pay.bmp", 78, 23, kShape, "top-up link (label 游戏充值)",
     nullptr},
    {IDB_PAY_HOVER, "bitmaps/link_pay_hover.bmp", 78, 23, kShape, "top-up link under the mouse",
     "bitmaps/link_pay.bmp"},
    {IDB_LOGO, "bitmaps/logo.bmp", 231, 140, kShape, "the game's logo; never reacts to the mouse",
     nullptr},

    // The game window's frame: eight pieces, stretched along the edges.
    {IDB_FRAME_BOTTOM_LEFT, "bitmaps/frame_bottom_left.bmp", 6, 5, kSolid,
     "bottom-left corner, drawn 1:1", nullptr},
    {IDB_FRAME_BOTTOM, "bitmaps/frame_bottom.bmp", 6, 5, kSolid,
     "bottom border, stretched along it", nullptr},
    {IDB_FRAME_BOTTOM_RIGHT, "bitmaps/frame_bottom_right.bmp", 6, 5, kSolid,
     "bottom-right corner, drawn 1:1", nullptr},
    {IDB_FRAME_LEFT, "bitmaps/frame_left.bmp", 6, 5, kSolid, "left border, stretched down it",
     nullptr},
    {IDB_FRAME_RIGHT, "bitmaps/frame_right.bmp", 6, 5, kSolid, "right border, stretched down it",
     nullptr},
    {IDB_CAPTION_LEFT, "bitmaps/caption_left.bmp", 6, 5, kSolid,
     "left end of the title bar, stretched to its height", nullptr},
    {IDB_CAPTION_MIDDLE, "bitmaps/caption_middle.bmp", 6, 27, kSolid,
     "middle of the title bar, stretched; the whole title bar when maximised", nullptr},
    {IDB_CAPTION_RIGHT, "bitmaps/caption_right.bmp", 6, 27, kSolid,
     "right end of the title bar, stretched to its height", nullptr},

    // The game window's caption buttons, normal and under the mouse.
    {IDB_CAPTION_CLOSE, "bitmaps/caption_close.bmp", 18, 18, kSolid, "close (a cross)", nullptr},
    {IDB_CAPTION_CLOSE_HOVER, "bitmaps/caption_close_hover.bmp", 18, 18, kSolid,
     "close under the mouse", nullptr},
    {IDB_CAPTION_MINIMIZE, "bitmaps/caption_minimize.bmp", 18, 18, kSolid, "minimise (a bar)",
     nullptr},
    {IDB_CAPTION_MINIMIZE_HOVER, "bitmaps/caption_minimize_hover.bmp", 18, 18, kSolid,
     "minimise under the mouse", nullptr},
    {IDB_CAPTION_MAXIMIZE, "bitmaps/caption_maximize.bmp", 18, 18, kSolid, "maximise (one window)",
     nullptr},
    {IDB_CAPTION_MAXIMIZE_HOVER, "bitmaps/caption_maximize_hover.bmp", 18, 18, kSolid,
     "maximise under the mouse", nullptr},
    {IDB_CAPTION_TRAY, "bitmaps/caption_tray.bmp", 18, 18, kSolid,
     "hide to the notification area (an arrow into a tray)", nullptr},
    {IDB_CAPTION_TRAY_HOVER, "bitmaps/caption_tray_hover.bmp", 18, 18, kSolid,
     "hide to the notification area under the mouse", nullptr},
    {IDB_CAPTION_RESTORE, "bitmaps/caption_restore.bmp", 18, 18, kSolid, "restore (two windows)",
     nullptr},
    {IDB_CAPTION_RESTORE_HOVER, "bitmaps/caption_restore_hover.bmp", 18, 18, kSolid,
     "restore under the mouse", nullptr},
    {IDB_CAPTION_FORUM, "bitmaps/caption_forum.bmp", 38, 18, kSolid, "forum (label 论坛)", nullptr},
    {IDB_CAPTION_FORUM_HOVER, "bitmaps/caption_forum_hover.bmp", 38, 18, kSolid,
     "forum under the mouse", nullptr},
    {IDB_CAPTION_SERVICE, "bitmaps/caption_service.bmp", 38, 18, kSolid,
     "customer service (label 客服)", nullptr},
    {IDB_CAPTION_SERVICE_HOVER, "bitmaps/caption_service_hover.bmp", 38, 18, kSolid,
     "customer service under the mouse", nullptr},
    {IDB_CAPTION_OFFICIAL, "bitmaps/caption_official.bmp", 38, 18, kSolid,
     "official site (label 官网)", nullptr},
    {IDB_CAPTION_OFFICIAL_HOVER, "bitmaps/caption_official_hover.bmp", 38, 18, kSolid,
     "official site under the mouse", nullptr},
    {IDB_CAPTION_SETTINGS, "bitmaps/caption_settings.bmp", 38, 18, kSolid,
     "settings menu (label 设置)", nullptr},
    {IDB_CAPTION_SETTINGS_HOVER, "bitmaps/caption_settings_hover.bmp", 38, 18, kSolid,
     "settings menu under the mouse", nullptr},
    {IDB_CAPTION_PAY, "bitmaps/caption_pay.bmp", 38, 18, kSolid, "top-up (label 充值)", nullptr},
    {IDB_CAPTION_PAY_HOVER, "bitmaps/caption_pay_hover.bmp", 38, 18, kSolid,
     "top-up under the mouse", nullptr},
};

}  // namespace

std::span<const PictureFile> Pictures() { return kPictures; }

const PictureFile* FindPicture(int id) {
  for (const PictureFile& picture : kPictures) {
    if (picture.id == id) return &picture;
  }
  return nullptr;
}

}  // namespace theme
