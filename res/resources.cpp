// The program's resources, the one source they are written in. The
// portable desktop reads these tables; tools/rcgen writes tessal.rc from
// them for the Windows resource compiler. The pictures, the icon and the
// game window's caption (the game title) come from the theme the build is
// given: its files built in as bytes, its title in the generated
// theme_title.h.
#include "platform/api/user_constants.h"
#include "platform/desktop/resource_model.h"
#include "res/embedded_files.h"
#include "res/resource_ids.h"
#include "res/theme_files.h"
#include "theme_title.h"

namespace {

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;
constexpr UINT kMenuChecked = 0x0008;  // MF_CHECKED

// A picture resource: its file in the theme folder and that file's bytes.
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
      0, 0, 0, 321, 186, TESSAL_GAME_TITLE, "MS Shell Dlg", 8,
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

  r.icons = {Picture(IDR_MAINFRAME, theme::kIconPath)};
  for (const theme::PictureFile& picture : theme::Pictures()) {
    r.bitmaps.push_back(Picture(static_cast<WORD>(picture.id), picture.path));
  }
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
