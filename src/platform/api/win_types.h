// Basic types of the Windows API as the program uses them, for builds that
// run on the portable desktop. Sizes follow 64-bit Windows (LLP64): LONG and
// DWORD are 32 bits, pointer-sized integers are 64 bits.
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using CHAR = char;
using WCHAR = char16_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using SIZE_T = std::size_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using ATOM = WORD;
using HRESULT = LONG;

using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPVOID = void*;
using LPCVOID = const void*;
using PVOID = void*;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Handles are distinct pointer types, as with STRICT on Windows.
#define TESSAL_DECLARE_HANDLE(name) \
  struct name##__ {                 \
    int unused;                     \
  };                                \
  using name = name##__*
TESSAL_DECLARE_HANDLE(HWND);
TESSAL_DECLARE_HANDLE(HINSTANCE);
TESSAL_DECLARE_HANDLE(HMENU);
TESSAL_DECLARE_HANDLE(HICON);
TESSAL_DECLARE_HANDLE(HHOOK);
TESSAL_DECLARE_HANDLE(HDC);
TESSAL_DECLARE_HANDLE(HBRUSH);
TESSAL_DECLARE_HANDLE(HFONT);
TESSAL_DECLARE_HANDLE(HBITMAP);
TESSAL_DECLARE_HANDLE(HRGN);
TESSAL_DECLARE_HANDLE(HCURSOR);
TESSAL_DECLARE_HANDLE(HKEY);
TESSAL_DECLARE_HANDLE(HRSRC);
TESSAL_DECLARE_HANDLE(HGLOBAL);
#undef TESSAL_DECLARE_HANDLE
using HMODULE = HINSTANCE;
using HANDLE = void*;
using HGDIOBJ = void*;  // every drawing object's handle converts to it, as on Windows
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)))

using LPCSTR_RESOURCE = LPCSTR;
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#define MAKEINTRESOURCEW(i) (reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IS_INTRESOURCE(p) ((reinterpret_cast<ULONG_PTR>(p) >> 16) == 0)

#define LOWORD(l) (static_cast<WORD>(static_cast<DWORD_PTR>(l) & 0xffff))
#define HIWORD(l) (static_cast<WORD>((static_cast<DWORD_PTR>(l) >> 16) & 0xffff))
#define MAKELONG(a, b) \
  (static_cast<LONG>(static_cast<WORD>(a) | (static_cast<DWORD>(static_cast<WORD>(b)) << 16)))
#define MAKEWPARAM(l, h) (static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(l, h))))
#define MAKELPARAM(l, h) (static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(l, h))))
#define MAKELRESULT(l, h) (static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(l, h))))
#define GET_X_LPARAM(lp) (static_cast<int>(static_cast<short>(LOWORD(lp))))
#define GET_Y_LPARAM(lp) (static_cast<int>(static_cast<short>(HIWORD(lp))))

#define MAX_PATH 260

struct POINT {
  LONG x;
  LONG y;
};
using LPPOINT = POINT*;

struct SIZE {
  LONG cx;
  LONG cy;
};

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;

union LARGE_INTEGER {
  struct {
    DWORD LowPart;
    LONG HighPart;
  } u;
  LONGLONG QuadPart;
};
using PLARGE_INTEGER = LARGE_INTEGER*;

struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};
