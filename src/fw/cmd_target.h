// The root of everything that receives commands through a message map.
#pragma once

#include "fw/message_map.h"

class CCmdTarget {
 public:
  CCmdTarget() = default;
  virtual ~CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;

  // Routes a command to the first handler for it in the class's maps.
  virtual BOOL OnCmdMsg(UINT nID, int nCode);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

  // The handler for a window message in the maps, or null.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message) const;
};
