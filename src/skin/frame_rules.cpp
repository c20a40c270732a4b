#include "skin/frame_rules.h"

LRESULT MapSkinHitCode(LRESULT code) {
  switch (code) {
    case HTSYSMENU:
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
      return HTCAPTION;
    default:
      return code;
  }
}

RECT FullScreenWindowRect(const RECT& w, const RECT& client, int screenWidth, int screenHeight) {
  return RECT{w.left - client.left, w.top - client.top, w.right - client.right + screenWidth,
              w.bottom - client.bottom + screenHeight};
}

std::string FrameTitle(const std::string& windowText, const std::string& serverName) {
  return windowText + " " + serverName;
}

std::string NotifyTipText(const std::string& text, std::size_t limit) {
  // Walk whole characters: a lead byte (0x81-0xFE) and its trail byte go
  // together, so a cut never leaves half a character behind.
  std::size_t end = 0;
  while (end < text.size()) {
    auto byte = static_cast<unsigned char>(text[end]);
    std::size_t length = (byte >= 0x81 && byte <= 0xFE && end + 1 < text.size()) ? 2 : 1;
    if (end + length > limit) break;
    end += length;
  }
  return text.substr(0, end);
}
