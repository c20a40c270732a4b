// The URL cache as far as the program uses it (WININET in Windows' terms).
#pragma once

#include "platform/api/kernel_functions.h"

#define NORMAL_CACHE_ENTRY 0x00000001
#define STICKY_CACHE_ENTRY 0x00000004
#define SPARSE_CACHE_ENTRY 0x00010000
#define COOKIE_CACHE_ENTRY 0x00100000
#define URLHISTORY_CACHE_ENTRY 0x00200000

struct INTERNET_CACHE_ENTRY_INFOA {
  DWORD dwStructSize;
  LPSTR lpszSourceUrlName;
  LPSTR lpszLocalFileName;
  DWORD CacheEntryType;
  DWORD dwUseCount;
  DWORD dwHitRate;
  DWORD dwSizeLow;
  DWORD dwSizeHigh;
  FILETIME LastModifiedTime;
  FILETIME ExpireTime;
  FILETIME LastAccessTime;
  FILETIME LastSyncTime;
  LPSTR lpHeaderInfo;
  DWORD dwHeaderInfoSize;
  LPSTR lpszFileExtension;
  union {
    DWORD dwReserved;
    DWORD dwExemptDelta;
  };
};
using LPINTERNET_CACHE_ENTRY_INFOA = INTERNET_CACHE_ENTRY_INFOA*;

// A null pattern enumerates every entry. A buffer too small for the entry
// (or none) fails with ERROR_INSUFFICIENT_BUFFER and reports the size needed.
HANDLE WINAPI FindFirstUrlCacheEntryA(LPCSTR pattern, LPINTERNET_CACHE_ENTRY_INFOA entry,
                                      LPDWORD size);
BOOL WINAPI FindNextUrlCacheEntryA(HANDLE find, LPINTERNET_CACHE_ENTRY_INFOA entry, LPDWORD size);
BOOL WINAPI FindCloseUrlCache(HANDLE find);
// The multi-byte name, as the Windows headers give it without UNICODE.
BOOL WINAPI DeleteUrlCacheEntry(LPCSTR url);
