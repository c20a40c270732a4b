// One caption button of the skinned frame: where it is (window
// coordinates), its normal and hover pictures, each kept selected in a
// memory surface of its own for the button's whole life, so that drawing it
// costs one blit.
#pragma once

#include "fw/dc.h"
#include "gfx/my_cbitmap.h"

class CSkinCaptionButton {
 public:
  // Loads both pictures and selects them into surfaces compatible with
  // `reference`.
  CSkinCaptionButton(int id, WORD normalBitmapId, WORD hoverBitmapId, CDC* reference);
  ~CSkinCaptionButton();
  CSkinCaptionButton(const CSkinCaptionButton&) = delete;
  CSkinCaptionButton& operator=(const CSkinCaptionButton&) = delete;

  int Id;
  RECT Rect{};  // empty while the button is not shown
  MyCBitmap NormalImage;
  MyCBitmap HoverImage;
  CDC NormalDC;
  CDC HoverDC;

 private:
  HGDIOBJ normalDCOriginal_ = nullptr;
  HGDIOBJ hoverDCOriginal_ = nullptr;
};
