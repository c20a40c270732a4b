// Fonts, text and icons on device contexts (GDI32 and the icon part of
// USER32, in Windows' terms).
#pragma once

#include "platform/api/gdi_types.h"

#define LF_FACESIZE 32

using LPSIZE = SIZE*;

struct LOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  CHAR lfFaceName[LF_FACESIZE];
};
using PLOGFONTA = LOGFONTA*;
using LPLOGFONTA = LOGFONTA*;

struct TEXTMETRICA {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  BYTE tmFirstChar;
  BYTE tmLastChar;
  BYTE tmDefaultChar;
  BYTE tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
};
using LPTEXTMETRICA = TEXTMETRICA*;

// Weights
#define FW_DONTCARE 0
#define FW_NORMAL 400
#define FW_BOLD 700

// Character sets
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define GB2312_CHARSET 134

// Stock fonts (GetStockObject)
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

// Device capabilities
#define LOGPIXELSX 88
#define LOGPIXELSY 90

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* logfont);
BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int length);
BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, LPSIZE size);
BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA metrics);
int WINAPI GetDeviceCaps(HDC hdc, int index);
int WINAPI MulDiv(int number, int numerator, int denominator);

// Icons
struct ICONINFO {
  BOOL fIcon;
  DWORD xHotspot;
  DWORD yHotspot;
  HBITMAP hbmMask;
  HBITMAP hbmColor;
};
using PICONINFO = ICONINFO*;

#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003

BOOL WINAPI GetIconInfo(HICON icon, PICONINFO info);
BOOL WINAPI DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT step,
                       HBRUSH flickerFreeBrush, UINT flags);
BOOL WINAPI DrawIcon(HDC hdc, int x, int y, HICON icon);
