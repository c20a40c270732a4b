#include "fw/cmd_target.h"

namespace {

const AFX_MSGMAP_ENTRY kNoEntries[] = {{0, 0, 0, 0, nullptr}};

}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP map = {nullptr, &kNoEntries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode) {
  for (const AFX_MSGMAP* map = GetMessageMap(); map;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
      if (e->nMessage == WM_COMMAND && e->nCode == static_cast<UINT>(nCode) && nID >= e->nID &&
          nID <= e->nLastID) {
        e->pfn(this, 0, 0);
        return TRUE;
      }
    }
  }
  return FALSE;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
      if (e->nMessage == message && message != WM_COMMAND) return e;
    }
  }
  return nullptr;
}
