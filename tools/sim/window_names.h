// The program's windows by the names scenarios and transcripts give them:
// the dialogs made from the launcher's, the game window's and the About
// box's templates.
#pragma once

#include <optional>
#include <string>

#include "platform/api/win_types.h"

namespace sim {

// The dialog template of a window name, or none for a name not known.
std::optional<WORD> TemplateOfWindow(const std::string& name);

// The live top-level dialog made from the named window's template, or null.
HWND FindNamedWindow(const std::string& name);

// The name of the top-level window that holds `hwnd` (itself or an
// ancestor), or empty when it is none of the named ones.
std::string NameOfWindow(HWND hwnd);

// "hidden", "minimized", "maximized" or "normal".
std::string ShowStateOf(HWND hwnd);

}  // namespace sim
