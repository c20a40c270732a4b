// Where the skinned frame puts its client area, its ten caption buttons and
// its icon, for a proposed window rectangle. A calculation only: no window
// is needed to run it.
#pragma once

#include <array>

#include "platform/win32api.h"

// The caption buttons by id (1 to 10), in the order the frame keeps them.
enum CaptionButtonId {
  kCloseButton = 1,
  kMaximizeButton,
  kRestoreButton,
  kMinimizeButton,
  kTrayButton,
  kSettingsButton,
  kServiceButton,
  kForumButton,
  kOfficialButton,
  kPayButton,
};
constexpr int kCaptionButtonCount = 10;

struct CaptionLayoutInput {
  RECT proposed{};         // the proposed window rectangle, in screen coordinates
  int rowWidth = 0;        // the window width the button row is measured from
  bool maximised = false;
  bool fullScreen = false;
  DWORD style = 0;         // WS_MAXIMIZEBOX and WS_MINIMIZEBOX decide the system buttons
  int captionHeight = 0;   // SM_CYCAPTION
};

struct CaptionLayout {
  RECT client{};  // in the same coordinates as the proposed rectangle
  // Window coordinates; an empty rectangle for a button not shown.
  std::array<RECT, kCaptionButtonCount> buttons{};
  RECT icon{};
  const RECT& Button(int id) const { return buttons[static_cast<std::size_t>(id - 1)]; }
};

CaptionLayout LayoutCaption(const CaptionLayoutInput& in);
