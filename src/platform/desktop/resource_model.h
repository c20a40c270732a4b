// The program's resources as data: what a Windows build compiles from its
// .rc file, the portable desktop reads from these tables. Texts are the
// program's own code page 936 bytes.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/api/win_types.h"

namespace desktop {

struct DialogItemResource {
  std::string className;  // "Static", "Button", or a registered class
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  int id = -1;
  WORD imageId = 0;  // the icon of an SS_ICON static
};

struct DialogResource {
  WORD id = 0;
  bool extended = false;  // DIALOGEX
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::string caption;
  std::string fontName;
  WORD pointSize = 0;
  std::vector<DialogItemResource> items;
};

struct MenuItemResource {
  UINT id = 0;  // 0 for a separator or a pop-up
  std::string text;
  UINT flags = 0;  // MF_* state flags as the template gives them
  std::vector<MenuItemResource> children;  // a pop-up's items
  bool popup = false;
  bool separator = false;
};

struct MenuResource {
  WORD id = 0;
  std::vector<MenuItemResource> items;
};

struct StringResource {
  UINT id = 0;
  std::string text;
};

// A picture resource kept as a file next to the sources (the artwork). The
// Windows resource compiler reads the file; the portable desktop reads the
// same bytes, embedded into the program when it is built.
struct FileResource {
  WORD id = 0;
  std::string path;        // relative to res/
  std::string_view bytes;  // the file's contents (a .bmp or .ico file)
};

// The version information shown in the program file's properties: the
// numbers and the string table (texts in code page 936), in one language.
struct VersionResource {
  WORD fileVersion[4] = {0, 0, 0, 0};
  WORD productVersion[4] = {0, 0, 0, 0};
  WORD language = 0;  // a LANGID, 0x0804 for Chinese (PRC)
  std::vector<std::pair<std::string, std::string>> strings;  // name, value
};

struct ResourceSet {
  std::vector<DialogResource> dialogs;
  std::vector<MenuResource> menus;
  std::vector<StringResource> strings;
  std::vector<FileResource> icons;
  std::vector<FileResource> bitmaps;
  VersionResource version;    // no version resource while its numbers are all 0
  std::string manifestPath;   // the application manifest under res/, for Windows builds

  const DialogResource* FindDialog(WORD id) const;
  const MenuResource* FindMenu(WORD id) const;
  const StringResource* FindString(UINT id) const;
};

}  // namespace desktop
