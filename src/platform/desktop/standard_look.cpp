#include "platform/desktop/standard_look.h"

#include <algorithm>

namespace desktop::look {
namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// The length in bytes of the character starting at `at`.
std::size_t CharLength(std::string_view text, std::size_t at) {
  if (IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size()) return 2;
  return 1;
}

int WidthOf(HDC dc, std::string_view text) {
  if (text.empty()) return 0;
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// The text with prefixes resolved, and which of its bytes start an
// underlined character.
TextLine ResolvePrefixes(std::string_view text, bool noPrefix) {
  TextLine resolved;
  for (std::size_t at = 0; at < text.size();) {
    if (!noPrefix && text[at] == '&') {
      ++at;
      if (at >= text.size()) break;  // a lone '&' at the end shows nothing
      if (text[at] != '&') resolved.underlined.push_back(resolved.shown.size());
    }
    std::size_t length = CharLength(text, at);
    resolved.shown.append(text.substr(at, length));
    at += length;
  }
  return resolved;
}

// Moves the underlines of `from` that fall in [begin, end) onto `line`.
void TakeUnderlines(const TextLine& from, std::size_t begin, std::size_t end, TextLine* line) {
  for (std::size_t offset : from.underlined) {
    if (offset >= begin && offset < end) line->underlined.push_back(offset - begin);
  }
}

// Breaks one paragraph (no '\n') of `all` from `begin` to `end` into lines
// no wider than `wrapWidth` where the characters allow it.
void WrapParagraph(HDC dc, const TextLine& all, std::size_t begin, std::size_t end, int wrapWidth,
                   std::vector<TextLine>* lines) {
  std::string_view text = all.shown;
  auto emit = [&](std::size_t from, std::size_t to) {
    while (to > from && text[to - 1] == ' ') --to;  // spaces at a break are not shown
    TextLine line;
    line.shown = std::string(text.substr(from, to - from));
    TakeUnderlines(all, from, to, &line);
    lines->push_back(std::move(line));
  };
  std::size_t lineStart = begin;
  std::size_t lastSpace = std::string_view::npos;
  for (std::size_t at = begin; at < end;) {
    std::size_t length = CharLength(text, at);
    bool fits = wrapWidth <= 0 || WidthOf(dc, text.substr(lineStart, at + length - lineStart)) <= wrapWidth;
    if (fits || at == lineStart) {
      if (text[at] == ' ') lastSpace = at;
      at += length;
      continue;
    }
    if (text[at] == ' ') {
      emit(lineStart, at);
      while (at < end && text[at] == ' ') ++at;
    } else if (lastSpace != std::string_view::npos && lastSpace > lineStart) {
      emit(lineStart, lastSpace);
      at = lastSpace + 1;
      while (at < end && text[at] == ' ') ++at;
    } else {
      emit(lineStart, at);  // no space to break at: between two characters
    }
    lineStart = at;
    lastSpace = std::string_view::npos;
  }
  if (lineStart < end || begin == end) emit(lineStart, end);
}

void FillColor(HDC dc, const RECT& box, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &box, brush);
  DeleteObject(brush);
}

}  // namespace

void FillSysColor(HDC dc, const RECT& box, int colorIndex) {
  FillRect(dc, &box, GetSysColorBrush(colorIndex));
}

void DrawOutline(HDC dc, const RECT& box, HBRUSH topLeft, HBRUSH bottomRight) {
  if (box.right <= box.left || box.bottom <= box.top) return;
  RECT top{box.left, box.top, box.right, box.top + 1};
  RECT left{box.left, box.top, box.left + 1, box.bottom};
  RECT bottom{box.left, box.bottom - 1, box.right, box.bottom};
  RECT right{box.right - 1, box.top, box.right, box.bottom};
  FillRect(dc, &top, topLeft);
  FillRect(dc, &left, topLeft);
  FillRect(dc, &bottom, bottomRight);
  FillRect(dc, &right, bottomRight);
}

void DrawSysOutline(HDC dc, const RECT& box, int topLeftIndex, int bottomRightIndex) {
  DrawOutline(dc, box, GetSysColorBrush(topLeftIndex), GetSysColorBrush(bottomRightIndex));
}

RECT Shrunk(const RECT& box, int by) {
  return RECT{box.left + by, box.top + by, box.right - by, box.bottom - by};
}

void DrawRaisedEdge(HDC dc, RECT* box) {
  DrawSysOutline(dc, *box, COLOR_3DHILIGHT, COLOR_3DDKSHADOW);
  DrawSysOutline(dc, Shrunk(*box, 1), COLOR_3DLIGHT, COLOR_3DSHADOW);
  *box = Shrunk(*box, 2);
}

void DrawFocusDots(HDC dc, const RECT& box) {
  COLORREF color = GetSysColor(COLOR_BTNTEXT);
  for (int x = box.left; x < box.right; x += 2) {
    SetPixel(dc, x, box.top, color);
    SetPixel(dc, x, box.bottom - 1, color);
  }
  for (int y = box.top; y < box.bottom; y += 2) {
    SetPixel(dc, box.left, y, color);
    SetPixel(dc, box.right - 1, y, color);
  }
}

std::vector<TextLine> LayOutText(HDC dc, std::string_view text, bool noPrefix, int wrapWidth) {
  TextLine all = ResolvePrefixes(text, noPrefix);
  std::vector<TextLine> lines;
  std::string_view shown = all.shown;
  std::size_t begin = 0;
  while (begin <= shown.size()) {
    std::size_t newline = shown.find('\n', begin);
    std::size_t end = newline == std::string_view::npos ? shown.size() : newline;
    std::size_t paragraphEnd = end;
    if (paragraphEnd > begin && shown[paragraphEnd - 1] == '\r') --paragraphEnd;
    WrapParagraph(dc, all, begin, paragraphEnd, wrapWidth, &lines);
    if (newline == std::string_view::npos) break;
    begin = newline + 1;
  }
  return lines;
}

void DrawTextLines(HDC dc, const std::vector<TextLine>& lines, const RECT& box, Align align,
                   bool centreVertically) {
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  int lineHeight = std::max<LONG>(1, metrics.tmHeight);
  int y = box.top;
  if (centreVertically) {
    y += (box.bottom - box.top - lineHeight * static_cast<int>(lines.size())) / 2;
  }
  for (const TextLine& line : lines) {
    int width = WidthOf(dc, line.shown);
    int x = align == Align::Left    ? box.left
            : align == Align::Right ? box.right - width
                                    : box.left + (box.right - box.left - width) / 2;
    if (!line.shown.empty()) {
      TextOutA(dc, x, y, line.shown.data(), static_cast<int>(line.shown.size()));
    }
    for (std::size_t offset : line.underlined) {
      std::string_view shown = line.shown;
      int from = x + WidthOf(dc, shown.substr(0, offset));
      int to = x + WidthOf(dc, shown.substr(0, offset + CharLength(shown, offset)));
      int underlineY = y + metrics.tmAscent + 1;
      FillColor(dc, RECT{from, underlineY, to, underlineY + 1}, GetTextColor(dc));
    }
    y += lineHeight;
  }
}

}  // namespace desktop::look
