// Dialog fonts and units, and the pieces of the dialog manager other parts
// of the desktop share.
#pragma once

#include <string>

#include "platform/desktop/state.h"

namespace desktop {

struct BaseUnits {
  int x;  // average character width in pixels
  int y;  // character height in pixels
};

// The base units of a dialog font at 96 DPI. "MS Shell Dlg" at 8 points
// gives 6 x 13 pixels per character cell.
BaseUnits DialogBaseUnits(const std::string& face, int points);

// The font of a dialog template (a real font object), kept by the session
// for its whole run like a stock object: never deleted by the program.
HFONT DialogFont(const std::string& face, int points);

DialogState* DialogOf(HWND hwnd);

// The system's modal loop for a dialog (DialogBoxParam, message boxes):
// runs until EndDialog, offering keys to the dialog manager.
INT_PTR RunDialogLoop(HWND dialog);

}  // namespace desktop
