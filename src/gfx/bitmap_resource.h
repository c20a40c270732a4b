// Loading the program's bitmap resources into a bitmap handle slot: a
// variable that holds one bitmap or none and owns what it holds.
#pragma once

#include "platform/win32api.h"

// Deletes what the slot held, then loads bitmap resource `id` of the
// program's own file into it. True when the slot now holds a bitmap; with an
// id that names no bitmap the slot ends empty.
bool LoadBitmapResource(HBITMAP& slot, WORD id);
