#include "skin/caption_layout.h"

namespace {

// Borders of the normal frame: left and right 6, bottom 5, top the caption.
constexpr int kSideBorder = 6;
constexpr int kBottomBorder = 5;
constexpr int kSmallButtonWidth = 18;
constexpr int kWideButtonWidth = 38;
constexpr int kButtonHeight = 18;
constexpr int kButtonGap = 2;
constexpr int kCloseFromRight = 23;
constexpr int kIconInset = 5;
constexpr int kIconSize = 16;

RECT ButtonAt(int x, int y, int width) { return RECT{x, y, x + width, y + kButtonHeight}; }

}  // namespace

CaptionLayout LayoutCaption(const CaptionLayoutInput& in) {
  const RECT& p = in.proposed;
  CaptionLayout out;
  int ox = 0, y0 = 3;
  if (in.maximised) {
    // The window overhangs the screen by its frame on every side: the client
    // area fills the screen below a title band.
    out.client = RECT{0, in.captionHeight, p.right + p.left, p.bottom + p.top};
    ox = -p.left;
    y0 = 1 - p.top;
  } else if (in.fullScreen) {
    out.client = RECT{0, 0, p.right + p.left, p.bottom + p.left};
    ox = -p.left;
    y0 = 0;
  } else {
    out.client = RECT{p.left + kSideBorder, p.top + in.captionHeight, p.right - kSideBorder,
                      p.bottom - kBottomBorder};
  }

  auto place = [&](int id, RECT r) { out.buttons[static_cast<std::size_t>(id - 1)] = r; };
  int x = in.rowWidth - ox - kCloseFromRight;
  place(kCloseButton, ButtonAt(x, y0, kSmallButtonWidth));
  if (in.style & WS_MAXIMIZEBOX) {
    x -= kSmallButtonWidth + kButtonGap;
    place(in.maximised ? kRestoreButton : kMaximizeButton, ButtonAt(x, y0, kSmallButtonWidth));
  }
  if (in.style & WS_MINIMIZEBOX) {
    x -= kSmallButtonWidth + kButtonGap;
    place(kMinimizeButton, ButtonAt(x, y0, kSmallButtonWidth));
  }
  x -= kSmallButtonWidth + kButtonGap;
  place(kTrayButton, ButtonAt(x, y0, kSmallButtonWidth));
  for (int id : {kSettingsButton, kServiceButton, kForumButton, kOfficialButton, kPayButton}) {
    x -= kWideButtonWidth + kButtonGap;
    place(id, ButtonAt(x, y0, kWideButtonWidth));
  }
  out.icon = RECT{ox + kIconInset, y0, ox + kIconInset + kIconSize, y0 + kIconSize};
  return out;
}
