// The classic look the system's own controls and frames are drawn in:
// edges, solid fills in system colours, the dotted focus rectangle, and
// code page 936 text laid out in lines with '&' prefixes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/api/gdi_functions.h"
#include "platform/api/text_functions.h"

namespace desktop::look {

// Fills `box` with a system colour (COLOR_*).
void FillSysColor(HDC dc, const RECT& box, int colorIndex);

// A one-pixel outline of `box`: its top and left sides in one brush, its
// bottom and right sides in another.
void DrawOutline(HDC dc, const RECT& box, HBRUSH topLeft, HBRUSH bottomRight);
// The same in system colours (COLOR_*).
void DrawSysOutline(HDC dc, const RECT& box, int topLeftIndex, int bottomRightIndex);

// `box` made smaller by `by` pixels on every side.
RECT Shrunk(const RECT& box, int by);

// The classic raised edge, two pixels wide, drawn on `box` and taken off
// it: 3DHILIGHT outside top-left, 3DDKSHADOW outside bottom-right, 3DLIGHT
// and 3DSHADOW inside them.
void DrawRaisedEdge(HDC dc, RECT* box);

// The dotted focus rectangle: every other pixel of the outline in the
// button text colour.
void DrawFocusDots(HDC dc, const RECT& box);

// One line of laid-out text: the bytes shown (prefixes resolved) and the
// byte offsets of the characters shown underlined.
struct TextLine {
  std::string shown;
  std::vector<std::size_t> underlined;
};

// Resolves '&' prefixes (unless `noPrefix`: '&&' shows '&', '&x' shows x
// underlined) and breaks the text into lines: at '\n', and, when
// `wrapWidth` > 0, at the last space that lets a line fit that width in
// the DC's font, else between two characters. A character of code page
// 936 (a lead byte 0x81-0xFE and the byte after it) is never split.
std::vector<TextLine> LayOutText(HDC dc, std::string_view text, bool noPrefix, int wrapWidth);

enum class Align { Left, Centre, Right };

// Draws laid-out lines from the top of `box` (vertically centred when
// `centreVertically`), each aligned within the box, in the DC's text
// colour, font and background mode; underlines in the text colour.
void DrawTextLines(HDC dc, const std::vector<TextLine>& lines, const RECT& box, Align align,
                   bool centreVertically);

}  // namespace desktop::look
