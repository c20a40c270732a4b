#include "fw/temp_maps.h"

#include "fw/dc.h"
#include "fw/gdi_object.h"
#include "fw/wnd.h"

void AfxDeleteTempMaps() {
  CWnd::DeleteTempMap();
  CDC::DeleteTempMap();
  CGdiObject::DeleteTempMap();
}
