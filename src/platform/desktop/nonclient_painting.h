// The standard frame's look: the border and the caption bar of a window with
// a caption whose WM_NCPAINT reaches DefWindowProc, drawn where the frame
// metrics put them.
#pragma once

#include "platform/desktop/state.h"

namespace desktop {

// The whole non-client area: border, caption bar, caption text, buttons.
void PaintStandardFrame(HWND hwnd, bool active);
// The caption bar alone, as a new text or activation shows.
void PaintStandardCaption(HWND hwnd, bool active);

}  // namespace desktop
