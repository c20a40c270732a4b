// Drawing objects of the framework. Each wrapper owns its handle and
// deletes it when it is destroyed; Attach and Detach hand ownership over.
// FromHandle gives the wrapper that owns a handle, or a temporary one that
// owns nothing (valid until the next idle time).
#pragma once

#include "fw/types.h"

class CDC;

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject();
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = nullptr;
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }  // NOLINT: as callers expect

  BOOL Attach(HGDIOBJ object);  // FALSE when one is held already or none is given
  HGDIOBJ Detach();
  BOOL DeleteObject();  // FALSE when none is held or the system refuses
  int GetObject(int size, LPVOID buffer) const;

  static CGdiObject* FromHandle(HGDIOBJ object);
  static void DeleteTempMap();

 protected:
  // The owning wrapper of `object` if it is a T, else a temporary T.
  template <typename T>
  static T* FromHandleAs(HGDIOBJ object);
  static CGdiObject* Permanent(HGDIOBJ object);
  static CGdiObject* Temporary(HGDIOBJ object, CGdiObject* (*make)());
};

class CBitmap : public CGdiObject {
 public:
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
  static CBitmap* FromHandle(HBITMAP bitmap);

  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
  // Bitmap resource `id` of the program's own file.
  BOOL LoadBitmap(UINT id);
  int GetBitmap(BITMAP* bitmap) const;
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
  static CBrush* FromHandle(HBRUSH brush);

  BOOL CreateSolidBrush(COLORREF color);
};

class CFont : public CGdiObject {
 public:
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT
  static CFont* FromHandle(HFONT font);

  BOOL CreateFontIndirect(const LOGFONTA* logfont);
  // A font of `pointSize` tenths of a point in `faceName`, with the default
  // character set, sized for `dc` (the screen when null).
  BOOL CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc = nullptr);
  int GetLogFont(LOGFONTA* logfont) const;
};

class CRgn : public CGdiObject {
 public:
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
  static CRgn* FromHandle(HRGN region);

  BOOL CreateRectRgn(int left, int top, int right, int bottom);
  BOOL CreateRectRgnIndirect(LPCRECT rect);
  BOOL CreateFromData(const XFORM* transform, int count, const RGNDATA* data);
  // The region becomes `a` combined with `b`; the answer is the region's
  // complexity or ERROR.
  int CombineRgn(const CRgn* a, const CRgn* b, int mode);
  BOOL PtInRegion(int x, int y) const;
  int GetRgnBox(LPRECT box) const;
  BOOL EqualRgn(const CRgn* other) const;
};
