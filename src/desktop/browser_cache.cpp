#include "desktop/browser_cache.h"

void ClearBrowserCache() {
  DeleteUrlCacheEntries();
  char folder[MAX_PATH] = {};
  if (::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_INTERNET_CACHE, FALSE)) {
    DeleteFolderContents(folder);
  }
}
