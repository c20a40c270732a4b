#include "tools/sim/skinned_window.h"

#include "app/process_state.h"
#include "platform/desktop/codepage.h"
#include "skin/skin_dialog_base.h"

namespace sim {
namespace {

CSkinDialogBase* SkinnedFrameOf(HWND hwnd) {
  return dynamic_cast<CSkinDialogBase*>(CWnd::FromHandlePermanent(hwnd));
}

}  // namespace

bool IsFullScreen(HWND hwnd) {
  const CSkinDialogBase* frame = SkinnedFrameOf(hwnd);
  return frame && frame->FullScreenMode;
}

std::string FrameTitle(HWND hwnd) {
  char text[512] = {};
  ::GetWindowTextA(hwnd, text, sizeof text);
  std::string title = std::string(text) + " " + static_cast<const char*>(ServerName);
  return desktop::Cp936ToUtf8(title);
}

std::optional<POINT> CaptionButtonCentre(HWND hwnd, int id) {
  const CSkinDialogBase* frame = SkinnedFrameOf(hwnd);
  if (!frame) return std::nullopt;
  RECT window{};
  ::GetWindowRect(hwnd, &window);
  for (const auto& button : frame->Buttons) {
    const RECT& r = button->Rect;
    if (button->Id != id || r.right <= r.left || r.bottom <= r.top) continue;
    return POINT{window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2};
  }
  return std::nullopt;
}

}  // namespace sim
