// Fonts and text: logical fonts as objects, TextOutA drawing real glyphs
// through the glyph rasterizer onto a DC's pixels within its clip, and the
// measurements the program lays text out with.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/desktop/gdi_internal.h"
#include "platform/desktop/glyph_rasterizer.h"

using desktop::Gdi;
using desktop::SetError;

namespace {

constexpr int kScreenDpi = 96;

// One rasterizer for the process: it keeps the faces it opened.
desktop::GlyphRasterizer& Glyphs() {
  static desktop::GlyphRasterizer rasterizer;
  return rasterizer;
}

// The DC's font as the rasterizer takes it; the system font when the DC's
// font is gone.
desktop::FontRequest RequestOf(const desktop::DeviceContext& dc) {
  const desktop::Font* font = Gdi().FindFont(dc.font);
  if (!font) font = Gdi().FindFont(Gdi().systemFont);
  const LOGFONTA& lf = font->logfont;
  std::string face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
  return desktop::FontRequest{
      face, static_cast<int>(lf.lfHeight),
      lf.lfWeight == FW_DONTCARE ? FW_NORMAL : static_cast<int>(lf.lfWeight)};
}

std::string TextOf(LPCSTR text, int length) {
  if (!text || length <= 0) return {};
  return std::string(text, static_cast<std::size_t>(length));
}

// The glyphs drawn onto 32-bit pixels, one clip rectangle at a time.
void DrawGlyphs(const desktop::FontRequest& font, const std::string& text, int x, int y,
                COLORREF colour, desktop::Bitmap& pixels, const std::vector<RECT>& clips) {
  desktop::PixelBuffer buffer;
  buffer.width = pixels.width;
  buffer.height = pixels.height;
  buffer.pixels = reinterpret_cast<std::uint8_t*>(pixels.Row(0));
  buffer.stride = (pixels.bottomUp ? -pixels.width : pixels.width) * 4;
  for (const RECT& clip : clips) Glyphs().DrawText(font, text, x, y, colour, buffer, clip);
}

// A monochrome target: the text is drawn on a colour copy of the pixels,
// which then go back through the monochrome conversion.
void DrawGlyphsOnMonochrome(const desktop::FontRequest& font, const std::string& text, int x, int y,
                            COLORREF colour, desktop::Bitmap& pixels,
                            const std::vector<RECT>& clips) {
  desktop::Bitmap colourCopy;
  colourCopy.width = pixels.width;
  colourCopy.height = pixels.height;
  colourCopy.words.resize(pixels.words.size());
  for (int row = 0; row < pixels.height; ++row) {
    std::copy_n(pixels.Row(row), pixels.width, colourCopy.Row(row));
  }
  DrawGlyphs(font, text, x, y, colour, colourCopy, clips);
  for (int row = 0; row < pixels.height; ++row) {
    for (int column = 0; column < pixels.width; ++column) {
      pixels.Put(column, row, colourCopy.At(column, row));
    }
  }
}

}  // namespace

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* logfont) {
  if (!logfont) {
    SetError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGFONTA kept = *logfont;
  kept.lfFaceName[LF_FACESIZE - 1] = '\0';  // a name without its end is cut, never overread
  return Gdi().NewFont(kept);
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, LPSIZE size) {
  desktop::DeviceContext* dc = Gdi().FindDc(hdc);
  if (!dc || !size || length < 0 || (length > 0 && !text)) {
    SetError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  desktop::FontRequest font = RequestOf(*dc);
  // An empty text measures nothing, not even the font's height.
  *size = length == 0 ? SIZE{0, 0} : Glyphs().TextExtent(font, TextOf(text, length));
  return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
  desktop::DeviceContext* dc = Gdi().FindDc(hdc);
  if (!dc || length < 0 || (length > 0 && !text)) {
    SetError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  desktop::DrawTarget target;
  if (!desktop::ResolveTarget(hdc, &target)) return TRUE;  // a DC that draws nowhere
  desktop::FontRequest font = RequestOf(*dc);
  std::string chars = TextOf(text, length);
  SIZE extent = Glyphs().TextExtent(font, chars);
  int left = x + target.origin.x, top = y + target.origin.y;
  RECT cell{left, top, left + extent.cx, top + extent.cy};
  std::vector<RECT> clips = target.visible.Clip(cell);
  if (dc->bkMode == OPAQUE) {
    std::uint32_t background = desktop::WordOf(dc->bkColor);
    for (const RECT& r : clips) {
      for (LONG row = r.top; row < r.bottom; ++row) {
        for (LONG column = r.left; column < r.right; ++column) {
          target.pixels->Put(column, row, background);
        }
      }
    }
  }
  if (target.pixels->bitsPerPixel == 1) {
    DrawGlyphsOnMonochrome(font, chars, left, top, dc->textColor, *target.pixels, clips);
  } else {
    DrawGlyphs(font, chars, left, top, dc->textColor, *target.pixels, clips);
  }
  return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA metrics) {
  desktop::DeviceContext* dc = Gdi().FindDc(hdc);
  if (!dc || !metrics) {
    SetError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  desktop::FontRequest font = RequestOf(*dc);
  desktop::TextMetrics m = Glyphs().Metrics(font);
  TEXTMETRICA tm{};
  tm.tmHeight = m.ascent + m.descent;
  tm.tmAscent = m.ascent;
  tm.tmDescent = m.descent;
  tm.tmAveCharWidth = m.averageCharWidth;
  tm.tmMaxCharWidth = m.maxCharWidth;
  tm.tmWeight = font.weight;
  tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = kScreenDpi;
  tm.tmFirstChar = 0x20;
  tm.tmLastChar = 0xFF;
  tm.tmDefaultChar = '?';
  tm.tmBreakChar = ' ';
  tm.tmCharSet = GB2312_CHARSET;
  *metrics = tm;
  return TRUE;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  if (!Gdi().FindDc(hdc)) return 0;
  return index == LOGPIXELSX || index == LOGPIXELSY ? kScreenDpi : 0;
}

int WINAPI MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long product = static_cast<long long>(number) * numerator;
  long long divisor = denominator;
  if (divisor < 0) product = -product, divisor = -divisor;
  // Rounded half away from zero, as Windows does.
  long long result =
      product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor);
  if (result > 0x7FFFFFFF || result < -0x7FFFFFFFLL - 1) return -1;
  return static_cast<int>(result);
}
