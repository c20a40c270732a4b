#include "platform/desktop/dialog_units.h"

#include "platform/api/text_functions.h"

namespace desktop {

BaseUnits DialogBaseUnits(const std::string&, int points) {
  if (points <= 0) points = 8;
  // Character cells grow with the point size from the 8-point cell.
  return BaseUnits{(6 * points + 4) / 8, (13 * points + 4) / 8};
}

HFONT DialogFont(const std::string& face, int points) {
  if (points <= 0) points = 8;
  HFONT& font = Current().gdi.dialogFonts[{face, points}];
  if (!font) {
    LOGFONTA logfont{};
    logfont.lfHeight = -MulDiv(points, 96, 72);  // the character height at 96 DPI
    logfont.lfWeight = FW_NORMAL;
    logfont.lfCharSet = DEFAULT_CHARSET;
    face.copy(logfont.lfFaceName, LF_FACESIZE - 1);
    font = Current().gdi.SystemOwnedFont(logfont);
  }
  return font;
}

}  // namespace desktop
