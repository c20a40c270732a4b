// Copying a whole bitmap, unscaled, onto a device context. Neither function
// takes over the bitmap or the target; a null bitmap draws nothing.
#pragma once

#include "platform/win32api.h"

void DrawBitmap(HBITMAP bitmap, HDC target, int x, int y);
// As DrawBitmap, except that target pixels under bitmap pixels of the `key`
// colour (0x00BBGGRR) keep their colour.
void DrawBitmapTransparent(HBITMAP bitmap, HDC target, COLORREF key, int x, int y);
