// Device contexts of the framework. A CDC owns the DC it made or was given
// with Attach and deletes it when it is destroyed; CPaintDC, CClientDC and
// CWindowDC borrow a window's DC for their lifetime and give it back.
#pragma once

#include "fw/gdi_object.h"
#include "fw/string.h"
#include "fw/types.h"

class CWnd;

class CDC {
 public:
  CDC() = default;
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC = nullptr;
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }  // NOLINT: as callers expect

  static CDC* FromHandle(HDC hdc);
  static void DeleteTempMap();
  BOOL Attach(HDC hdc);
  HDC Detach();
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();

  // Selecting gives back the object that was selected (a temporary wrapper
  // unless the program owns one), or null on failure.
  CGdiObject* SelectObject(CGdiObject* object);
  CBitmap* SelectObject(CBitmap* bitmap);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  int SelectObject(CRgn* region);  // the clip, as SelectClipRgn
  CGdiObject* SelectStockObject(int index);
  int SelectClipRgn(CRgn* region);

  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
              DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, DWORD rop);
  void FillRect(LPCRECT rect, CBrush* brush);
  void FillSolidRect(LPCRECT rect, COLORREF color);
  void FillSolidRect(int x, int y, int width, int height, COLORREF color);
  COLORREF GetPixel(int x, int y) const;
  COLORREF SetPixel(int x, int y, COLORREF color);

  BOOL TextOut(int x, int y, LPCSTR text, int length);
  BOOL TextOut(int x, int y, const CString& text);
  CSize GetTextExtent(LPCSTR text, int length) const;
  CSize GetTextExtent(const CString& text) const;
  BOOL GetTextMetrics(LPTEXTMETRICA metrics) const;
  CFont* GetCurrentFont() const;
  BOOL DrawIcon(int x, int y, HICON icon);

  int SetBkMode(int mode);
  COLORREF SetBkColor(COLORREF color);
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;
  int GetBkMode() const;
  int SetStretchBltMode(int mode);
  int GetClipBox(LPRECT box) const;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps{};

 private:
  HWND hwnd_;
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);
  ~CClientDC() override;

 private:
  HWND hwnd_;
};

class CWindowDC : public CDC {
 public:
  explicit CWindowDC(CWnd* wnd);
  ~CWindowDC() override;

 private:
  HWND hwnd_;
};
