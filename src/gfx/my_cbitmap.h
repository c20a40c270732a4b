// A bitmap that keeps its description (size, row length, depth) beside its
// handle; the skinned frame keeps its pieces in these.
#pragma once

#include "fw/gdi_object.h"

class MyCBitmap : public CBitmap {
 public:
  // Loads bitmap resource `id` of the program's own file into this object,
  // which holds none yet, and fills Info. False, with Info all zero, when
  // there is no such bitmap; false, loading nothing, when it holds one.
  bool LoadWithInfo(WORD id);

  BITMAP Info{};
};
