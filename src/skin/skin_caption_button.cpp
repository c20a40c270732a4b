#include "skin/skin_caption_button.h"

namespace {

// Loads the picture and keeps it selected in its own surface; answers the
// surface's original bitmap, to be selected back before the picture goes.
HGDIOBJ PrepareLook(MyCBitmap& image, WORD bitmapId, CDC& surface, CDC* reference) {
  image.LoadWithInfo(bitmapId);
  surface.CreateCompatibleDC(reference);
  if (!surface.m_hDC || !image.m_hObject) return nullptr;
  return ::SelectObject(surface.m_hDC, image.m_hObject);
}

}  // namespace

CSkinCaptionButton::CSkinCaptionButton(int id, WORD normalBitmapId, WORD hoverBitmapId,
                                       CDC* reference)
    : Id(id) {
  normalDCOriginal_ = PrepareLook(NormalImage, normalBitmapId, NormalDC, reference);
  hoverDCOriginal_ = PrepareLook(HoverImage, hoverBitmapId, HoverDC, reference);
}

CSkinCaptionButton::~CSkinCaptionButton() {
  // Each picture leaves its surface before the surface and the picture go.
  if (normalDCOriginal_) ::SelectObject(NormalDC.m_hDC, normalDCOriginal_);
  if (hoverDCOriginal_) ::SelectObject(HoverDC.m_hDC, hoverDCOriginal_);
  NormalDC.DeleteDC();
  HoverDC.DeleteDC();
}
