#include "gfx/my_cbitmap.h"

bool MyCBitmap::LoadWithInfo(WORD id) {
  // Loaded once: a second load would have nowhere to go but a leak.
  if (m_hObject) return false;
  if (!Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)))) return false;
  ::GetObjectA(m_hObject, sizeof Info, &Info);
  return true;
}
