// The program's resources, the one source they are written in. The
// portable desktop reads these tables; tools/rcgen writes tessal.rc from
// them for the Windows resource compiler.
#include "platform/api/user_constants.h"
#include "platform/desktop/resource_model.h"
#include "res/embedded_files.h"
#include "res/resource_ids.h"

namespace {

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;
constexpr UINT kMenuChecked = 0x0008;  // MF_CHECKED

// A picture resource: its file under res/ and that file's bytes.
desktop::FileResource Picture(WORD id, const char* path) {
  return desktop::FileResource{id, path, EmbeddedResourceFile(path)};
}

desktop::ResourceSet MakeResources() {
  desktop::ResourceSet r;

  r.dialogs.push_back(desktop::DialogResource{
      IDD_ABOUTBOX, true,
      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS, 0,
      0, 0, 170, 62, "关于 Tessal", "MS Shell Dlg", 9,
      {
          {"Static", "", kChildVisible | SS_ICON, 0, 14, 14, 21, 20, IDC_STATIC, IDR_MAINFRAME},
          {"Static", "Tessal，1.0 版", kChildVisible | SS_LEFT | SS_NOPREFIX, 0, 42, 14, 114, 8,
           IDC_STATIC, 0},
          {"Static", "版权所有 (C) 2026 Tessal 开发组", kChildVisible | SS_LEFT, 0, 42, 26, 114, 8,
           IDC_STATIC, 0},
          {"Button", "确定", kChildVisible | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, 113, 41,
           50, 14, IDOK, 0},
      }});

  r.dialogs.push_back(desktop::DialogResource{
      IDD_TESSAL_DIALOG, true, WS_POPUP | WS_VISIBLE | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
      WS_EX_APPWINDOW, 0, 0, 400, 200, "", "MS Shell Dlg", 9,
      {
          // The browser's placeholder.
          {"Static", "", kChildVisible | WS_GROUP, 0, 43, 177, 17, 15, IDC_STATIC, 0},
      }});

  r.dialogs.push_back(desktop::DialogResource{
      IDD_GAME_DIALOG, true,
      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
          DS_SETFONT | DS_FIXEDSYS,
      0, 0, 0, 321, 186, "Qorvan", "MS Shell Dlg", 8,
      {
          // The browser's placeholder.
          {"Static", "静态", kChildVisible | WS_GROUP, 0, 0, 0, 17, 8, IDC_STATIC, 0},
      }});

  desktop::MenuItemResource settings;
  settings.popup = true;
  settings.children = {
      {ID_SETTINGS_FULLSCREEN, "全屏 F8", 0, {}, false, false},
      {ID_SETTINGS_AUTOSTART, "开机启动", kMenuChecked, {}, false, false},
      {ID_SETTINGS_CLEARCACHE, "清理缓存", 0, {}, false, false},
      {ID_SETTINGS_REFRESH, "刷新", 0, {}, false, false},
  };
  r.menus.push_back(desktop::MenuResource{IDR_SETTINGS_MENU, {settings}});

  r.strings.push_back(desktop::StringResource{IDS_ABOUTBOX, "关于 Tessal(&A)..."});

  r.icons = {Picture(IDR_MAINFRAME, "icons/tessal.ico")};

  r.bitmaps = {
      // The launcher: its window picture, the close and minimise buttons
      // (normal, hover, pressed), the portal links (normal, hover), the logo.
      Picture(IDB_LAUNCHER_BACKGROUND, "bitmaps/launcher_background.bmp"),
      Picture(IDB_CLOSE_NORMAL, "bitmaps/launcher_close.bmp"),
      Picture(IDB_CLOSE_HOVER, "bitmaps/launcher_close_hover.bmp"),
      Picture(IDB_CLOSE_PRESSED, "bitmaps/launcher_close_pressed.bmp"),
      Picture(IDB_MINIMIZE_NORMAL, "bitmaps/launcher_minimize.bmp"),
      Picture(IDB_MINIMIZE_HOVER, "bitmaps/launcher_minimize_hover.bmp"),
      Picture(IDB_MINIMIZE_PRESSED, "bitmaps/launcher_minimize_pressed.bmp"),
      Picture(IDB_OFFICIAL_NORMAL, "bitmaps/link_official.bmp"),
      Picture(IDB_OFFICIAL_HOVER, "bitmaps/link_official_hover.bmp"),
      Picture(IDB_FORUM_NORMAL, "bitmaps/link_forum.bmp"),
      Picture(IDB_FORUM_HOVER, "bitmaps/link_forum_hover.bmp"),
      Picture(IDB_SERVICE_NORMAL, "bitmaps/link_service.bmp"),
      Picture(IDB_SERVICE_HOVER, "bitmaps/link_service_hover.bmp"),
      Picture(IDB_PAY_NORMAL, "bitmaps/link_pay.bmp"),
      Picture(IDB_PAY_HOVER, "bitmaps/link_pay_hover.bmp"),
      Picture(IDB_LOGO, "bitmaps/logo.bmp"),

      // The skinned frame's eight pieces.
      Picture(IDB_FRAME_BOTTOM_LEFT, "bitmaps/frame_bottom_left.bmp"),
      Picture(IDB_FRAME_BOTTOM, "bitmaps/frame_bottom.bmp"),
      Picture(IDB_FRAME_BOTTOM_RIGHT, "bitmaps/frame_bottom_right.bmp"),
      Picture(IDB_FRAME_LEFT, "bitmaps/frame_left.bmp"),
      Picture(IDB_FRAME_RIGHT, "bitmaps/frame_right.bmp"),
      Picture(IDB_CAPTION_LEFT, "bitmaps/caption_left.bmp"),
      Picture(IDB_CAPTION_MIDDLE, "bitmaps/caption_middle.bmp"),
      Picture(IDB_CAPTION_RIGHT, "bitmaps/caption_right.bmp"),

      // The caption buttons, normal and hover.
      Picture(IDB_CAPTION_CLOSE, "bitmaps/caption_close.bmp"),
      Picture(IDB_CAPTION_CLOSE_HOVER, "bitmaps/caption_close_hover.bmp"),
      Picture(IDB_CAPTION_MINIMIZE, "bitmaps/caption_minimize.bmp"),
      Picture(IDB_CAPTION_MINIMIZE_HOVER, "bitmaps/caption_minimize_hover.bmp"),
      Picture(IDB_CAPTION_MAXIMIZE, "bitmaps/caption_maximize.bmp"),
      Picture(IDB_CAPTION_MAXIMIZE_HOVER, "bitmaps/caption_maximize_hover.bmp"),
      Picture(IDB_CAPTION_TRAY, "bitmaps/caption_tray.bmp"),
      Picture(IDB_CAPTION_TRAY_HOVER, "bitmaps/caption_tray_hover.bmp"),
      Picture(IDB_CAPTION_RESTORE, "bitmaps/caption_restore.bmp"),
      Picture(IDB_CAPTION_RESTORE_HOVER, "bitmaps/caption_restore_hover.bmp"),
      Picture(IDB_CAPTION_FORUM, "bitmaps/caption_forum.bmp"),
      Picture(IDB_CAPTION_FORUM_HOVER, "bitmaps/caption_forum_hover.bmp"),
      Picture(IDB_CAPTION_SERVICE, "bitmaps/caption_service.bmp"),
      Picture(IDB_CAPTION_SERVICE_HOVER, "bitmaps/caption_service_hover.bmp"),
      Picture(IDB_CAPTION_OFFICIAL, "bitmaps/caption_official.bmp"),
      Picture(IDB_CAPTION_OFFICIAL_HOVER, "bitmaps/caption_official_hover.bmp"),
      Picture(IDB_CAPTION_SETTINGS, "bitmaps/caption_settings.bmp"),
      Picture(IDB_CAPTION_SETTINGS_HOVER, "bitmaps/caption_settings_hover.bmp"),
      Picture(IDB_CAPTION_PAY, "bitmaps/caption_pay.bmp"),
      Picture(IDB_CAPTION_PAY_HOVER, "bitmaps/caption_pay_hover.bmp"),
  };
  r.version.fileVersion[0] = r.version.productVersion[0] = 1;
  r.version.language = 0x0804;
  r.version.strings = {
      {"CompanyName", "Tessal 开发组"},
      {"FileDescription", "Tessal"},
      {"FileVersion", "1.0.0.0"},
      {"InternalName", "Tessal"},
      {"LegalCopyright", "版权所有 (C) 2026 Tessal 开发组"},
      {"OriginalFilename", "Tessal.exe"},
      {"ProductName", "Tessal"},
      {"ProductVersion", "1.0.0.0"},
  };
  // No elevation, DPI awareness, the version 6 common controls.
  r.manifestPath = "tessal.manifest";
  return r;
}

}  // namespace

const desktop::ResourceSet& AfxProgramResources() {
  static const desktop::ResourceSet resources = MakeResources();
  return resources;
}
