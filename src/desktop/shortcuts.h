// Shortcuts to the program: on the desktop (created once, then pinned to
// the taskbar on Windows versions before 10) and in Quick Launch (written
// at every start). Each answers 1 on success, 0 on failure; nothing is
// shown to the user.
#pragma once

#include "platform/win32api.h"

// Writes folder\name.lnk pointing at `target`, starting in `workingDirectory`.
int CreateShortcutFile(LPCSTR folder, LPCSTR name, LPCSTR target, LPCSTR workingDirectory);

// 1 when an entry of the shortcut's name exists on the desktop already.
int CreateDesktopShortcut(LPCSTR name, LPCSTR target, LPCSTR workingDirectory);

// The Quick Launch folder is not created; where it is missing, the result is 0.
int CreateQuickLaunchShortcut(LPCSTR name, LPCSTR target, LPCSTR workingDirectory);
