#include "platform/desktop/web/page_picture.h"

#include <cstdlib>

#include "platform/api/gdi_functions.h"
#include "platform/api/text_functions.h"
#include "platform/api/user_functions.h"
#include "platform/desktop/codepage.h"

namespace desktop::web {
namespace {

constexpr int kMargin = 24;
// Text colours for a light and for a dark background.
struct Palette {
  COLORREF heading, link, address;
};
constexpr Palette kOnLight{RGB(0x20, 0x20, 0x20), RGB(0x1a, 0x4f, 0xb8), RGB(0x70, 0x70, 0x70)};
constexpr Palette kOnDark{RGB(0xf0, 0xf0, 0xf0), RGB(0x8c, 0xb8, 0xff), RGB(0xa0, 0xa0, 0xa0)};

const Palette& PaletteFor(COLORREF background) {
  int light = GetRValue(background) * 3 + GetGValue(background) * 6 + GetBValue(background);
  return light >= 1280 ? kOnLight : kOnDark;
}

COLORREF ColourOf(const std::string& css) {
  if (css.size() != 7 || css[0] != '#') return RGB(0xff, 0xff, 0xff);
  char* end = nullptr;
  unsigned long value = std::strtoul(css.c_str() + 1, &end, 16);
  if (*end != '\0') return RGB(0xff, 0xff, 0xff);
  return RGB((value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff);
}

// A font that has both Latin and Chinese glyphs.
HFONT MakeFont(int height, bool bold, bool underline) {
  LOGFONTA font{};
  font.lfHeight = -height;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = underline ? TRUE : FALSE;
  font.lfCharSet = GB2312_CHARSET;
  const char face[] = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA";  // Microsoft YaHei
  for (std::size_t i = 0; i < sizeof face; ++i) font.lfFaceName[i] = face[i];
  return CreateFontIndirectA(&font);
}

// `text` in code page 936, as TextOutA takes it.
void Write(HDC dc, int x, int y, const std::string& text, HFONT font, COLORREF colour) {
  HGDIOBJ previous = SelectObject(dc, font);
  SetTextColor(dc, colour);
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
  SelectObject(dc, previous);
}

}  // namespace

void PaintPagePicture(HDC dc, const RECT& area, const WebDocument* document,
                      const std::string& background) {
  COLORREF fill = ColourOf(background);
  const Palette& palette = PaletteFor(fill);
  HBRUSH brush = CreateSolidBrush(fill);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
  if (!document || document->Address() == "about:blank") return;

  HFONT heading = MakeFont(22, true, false);
  HFONT link = MakeFont(15, false, true);
  HFONT small = MakeFont(12, false, false);
  int previousMode = SetBkMode(dc, TRANSPARENT);
  int x = area.left + kMargin;
  int y = area.top + kMargin;
  std::string title = document->IsErrorPage() ? "无法显示此页" : Utf8ToCp936(document->Title());
  if (!title.empty()) {
    Write(dc, x, y, title, heading, palette.heading);
    y += 44;
  }
  for (const std::string& name : document->LinkNames()) {
    Write(dc, x, y, Utf8ToCp936(name), link, palette.link);
    y += 28;
  }
  Write(dc, x, area.bottom - kMargin - 12, Utf8ToCp936(document->Address()), small, palette.address);
  SetBkMode(dc, previousMode);
  DeleteObject(heading);
  DeleteObject(link);
  DeleteObject(small);
}

}  // namespace desktop::web
