// The process-wide state the windows share: plain global objects, read and
// written directly by the parts of the program that own them. Only the
// module identity is read through accessors, which fill it on first use.
#pragma once

#include "fw/string.h"

// The start page named by the record appended to the program file.
extern CString StartPageUrl;
// The game server's name, from "server_name=" in the game address.
extern CString ServerName;
// The portal links, from the login page's script.
extern CString PayUrl;
extern CString ForumUrl;
extern CString ServiceUrl;
extern CString OfficialUrl;
// The machine-wide key that lists the programs started on boot.
extern const CString RunKeyPath;
// 1 while the program is set to start on boot, else 0.
extern int AutoStartEnabled;

// The program file's full path as the platform reports it (at most 259
// characters), its drive and folder ending in a backslash, and its name
// without extension. Computed together on first use, then kept.
CString ModulePath();
CString ModuleFolder();
CString ModuleBaseName();
