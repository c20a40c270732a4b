// The standard frame: how much of a window the system's own frame takes for
// a given style, and where a window goes when it is maximised.
#pragma once

#include "platform/desktop/state.h"

namespace desktop {

constexpr int kSizingFrame = 4;    // SM_CXSIZEFRAME at 96 DPI
constexpr int kPaddedBorder = 4;   // SM_CXPADDEDBORDER
constexpr int kDialogFrame = 3;    // SM_CXDLGFRAME
constexpr int kBorder = 1;         // SM_CXBORDER
constexpr int kClientEdge = 2;     // SM_CXEDGE
constexpr int kCaptionButtonWidth = 36;  // SM_CXSIZE
constexpr int kCaptionButtonHeight = 22; // SM_CYSIZE
constexpr int kMinTrackWidth = 136;  // SM_CXMINTRACK
constexpr int kMinTrackHeight = 39;  // SM_CYMINTRACK

// The undocumented messages with which a themed frame redraws its caption
// and its frame; a window that paints its own frame answers them itself.
constexpr UINT kThemedCaptionRedraw = 0x00AE;
constexpr UINT kThemedFrameRedraw = 0x00AF;

// SetWindowPos flags Windows keeps for its own use: the client area did not
// change size, or did not move.
constexpr UINT kNoClientSize = 0x0800;
constexpr UINT kNoClientMove = 0x1000;

// The frame's width on each side (top without the caption).
int FrameWidth(DWORD style, DWORD exStyle);

// The window rectangle for a client rectangle, as AdjustWindowRectEx gives it.
RECT WindowRectForClient(RECT client, DWORD style, DWORD exStyle, int captionHeight);

// The client rectangle inside a window rectangle (both in the same coordinates).
RECT ClientRectForWindow(RECT window, DWORD style, DWORD exStyle, int captionHeight);

// Maximised: the work area enlarged by the frame on every side, unless the
// window says otherwise in WM_GETMINMAXINFO.
RECT MaximisedRect(const Window& w);

}  // namespace desktop
