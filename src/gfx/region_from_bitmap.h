// Cutting a window region out of a bitmap by the artwork's colour key.
#pragma once

#include "platform/win32api.h"

// The see-through colour of all the program's artwork: red, green and blue
// 92. Pixels of exactly this colour are left out of regions.
constexpr COLORREF RegionKeyColor = RGB(0x5C, 0x5C, 0x5C);

// The region of the bitmap's non-key pixels, in its own pixel coordinates
// ((0, 0) at the top-left pixel): one rectangle per run of non-key pixels in
// a row. The caller owns the region. Null when there is no bitmap or no
// surface to read it on; an empty region when every pixel is the key.
HRGN CreateRegionFromBitmap(HBITMAP bitmap);
