// What the launcher reads from an address its login page navigates to: the
// game server's name and whether the address is the game itself. Searches
// are case-sensitive and start on code page 936 character boundaries.
#pragma once

#include "fw/string.h"

// The raw bytes after the first "server_name=" up to the next "&" (or the
// end of the address); empty when the key is missing.
CString ServerNameFromAddress(const CString& address);

// True when the address contains "client=1" (client=10 and myclient=1
// included: the operator's pages rely on the plain substring).
bool IsGameAddress(const CString& address);
