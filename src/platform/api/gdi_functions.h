// Drawing functions (GDI32, the painting part of USER32, and MSIMG32's
// TransparentBlt in Windows' terms).
#pragma once

#include "platform/api/gdi_types.h"

// Device contexts
HDC WINAPI GetDC(HWND hwnd);
HDC WINAPI GetWindowDC(HWND hwnd);
int WINAPI ReleaseDC(HWND hwnd, HDC hdc);
HDC WINAPI CreateCompatibleDC(HDC hdc);
BOOL WINAPI DeleteDC(HDC hdc);
HWND WINAPI WindowFromDC(HDC hdc);

// Painting
HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL WINAPI InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect);
BOOL WINAPI UpdateWindow(HWND hwnd);
BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
DWORD WINAPI GetSysColor(int index);
HBRUSH WINAPI GetSysColorBrush(int index);

// Objects
HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object);
BOOL WINAPI DeleteObject(HGDIOBJ object);
HGDIOBJ WINAPI GetStockObject(int index);
HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
DWORD WINAPI GetObjectType(HGDIOBJ object);
HBRUSH WINAPI CreateSolidBrush(COLORREF color);
DWORD WINAPI GetGuiResources(HANDLE process, DWORD kind);

// Bitmaps
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height);
HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                            const void* bits);
HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits,
                                HANDLE section, DWORD offset);
int WINAPI GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
                     UINT usage);
HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name);
HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name);

// Drawing attributes
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetTextColor(HDC hdc);
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetBkColor(HDC hdc);
int WINAPI SetBkMode(HDC hdc, int mode);
int WINAPI GetBkMode(HDC hdc);
int WINAPI SetStretchBltMode(HDC hdc, int mode);
int WINAPI GetStretchBltMode(HDC hdc);

// Pixels and blits
COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, DWORD rop);
BOOL WINAPI StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                       int sourceY, int sourceWidth, int sourceHeight, DWORD rop);
BOOL WINAPI TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                           int sourceY, int sourceWidth, int sourceHeight, UINT transparent);

// Regions
HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom);
HRGN WINAPI CreateRectRgnIndirect(const RECT* rect);
BOOL WINAPI SetRectRgn(HRGN region, int left, int top, int right, int bottom);
HRGN WINAPI ExtCreateRegion(const XFORM* transform, DWORD size, const RGNDATA* data);
int WINAPI CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode);
int WINAPI OffsetRgn(HRGN region, int dx, int dy);
BOOL WINAPI PtInRegion(HRGN region, int x, int y);
BOOL WINAPI RectInRegion(HRGN region, const RECT* rect);
int WINAPI GetRgnBox(HRGN region, LPRECT box);
BOOL WINAPI EqualRgn(HRGN region1, HRGN region2);
DWORD WINAPI GetRegionData(HRGN region, DWORD size, LPRGNDATA data);

// Clipping
int WINAPI SelectClipRgn(HDC hdc, HRGN region);
int WINAPI GetClipBox(HDC hdc, LPRECT box);

// Window regions and layering
int WINAPI SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
int WINAPI GetWindowRgn(HWND hwnd, HRGN region);
BOOL WINAPI SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL WINAPI GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags);
