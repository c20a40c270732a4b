// Clearing the browser's cache: its URL cache entries (cookies excepted),
// then whatever is left in the cache folder on disk, except each folder's
// "desktop.ini". Runs synchronously; reports nothing.
#pragma once

#include "platform/win32api.h"

void ClearBrowserCache();

// 1 when the cache could be enumerated, 0 when not even a first entry
// could be fetched.
int DeleteUrlCacheEntries();

// Empties `folder` recursively and keeps the folder itself; 1 when it could
// be listed, 0 when not. A link to a folder is removed as a link: what it
// points to is never walked.
int DeleteFolderContents(LPCSTR folder);
