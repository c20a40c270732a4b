#include "gfx/bitmap_resource.h"

bool LoadBitmapResource(HBITMAP& slot, WORD id) {
  if (slot) {
    DeleteObject(slot);
    slot = nullptr;
  }
  slot = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
  return slot != nullptr;
}
