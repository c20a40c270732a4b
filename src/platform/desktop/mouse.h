// The mouse inside the desktop: input the host feeds in, its delivery as
// window messages, hit testing and hover tracking.
#pragma once

#include <optional>

#include "platform/api/user_functions.h"

namespace desktop {

// The host moved the cursor, or pressed or released a mouse button
// (VK_LBUTTON or VK_RBUTTON; the host has already updated the held state).
// Queued as input; hit testing happens when the program takes it.
void InjectMouseMove(POINT screenPoint);
void InjectMouseButton(int virtualKey, bool down);

// The MK_* flags of the buttons and keys held now.
WPARAM HeldMouseKeys();

// Turns the raw mouse events in the input queue into the messages their
// windows receive (WM_NCHITTEST, WM_SETCURSOR and WM_MOUSEACTIVATE are sent
// on the way); events nobody takes are dropped.
void ResolveMouseInput();

// The window a screen point falls into, with its hit-test answer, as mouse
// input sees it: the capture, or the deepest visible window under the point.
struct MouseTarget {
  HWND hwnd = nullptr;
  LRESULT hit = HTNOWHERE;
};
MouseTarget MouseTargetAt(POINT screenPoint);

// DefWindowProc's answer to WM_NCHITTEST.
LRESULT DefaultHitTest(HWND hwnd, POINT screenPoint);

// Whether a window's shape holds the point (its window region); true for a
// window without one.
bool WindowShapeContains(HWND hwnd, POINT screenPoint);

// Hover and leave tracking. The clock value at which a hover falls due, the
// check that posts it, and the notice that the mouse moved.
std::optional<DWORD> NextHoverDue();
void PostDueHover();
void MouseMovedOver(HWND hwnd, LRESULT hit);

// The modal move (SC_MOVE) or size (SC_SIZE + WMSZ_* edge) loop of a
// press that began at `start` on the screen.
void RunSizeMoveLoop(HWND hwnd, WPARAM command, POINT start);

// A window is going away: it loses the capture and its tracking.
void ForgetMouseStateOf(HWND hwnd);

}  // namespace desktop
