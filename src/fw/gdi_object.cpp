#include "fw/gdi_object.h"

#include <cstring>
#include <map>
#include <memory>

#include "fw/dc.h"

namespace {

struct HandleMaps {
  std::map<HGDIOBJ, CGdiObject*> permanent;
  std::map<HGDIOBJ, std::unique_ptr<CGdiObject>> temporary;
};

// Never destroyed: wrappers that outlive static destruction (globals) still
// find their map when they go.
HandleMaps& Maps() {
  static auto* maps = new HandleMaps;
  return *maps;
}

}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ object) {
  if (m_hObject || !object) return FALSE;
  m_hObject = object;
  Maps().permanent[object] = this;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ object = m_hObject;
  if (object) {
    auto it = Maps().permanent.find(object);
    if (it != Maps().permanent.end() && it->second == this) Maps().permanent.erase(it);
  }
  m_hObject = nullptr;
  return object;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, LPVOID buffer) const {
  return ::GetObjectA(m_hObject, size, buffer);
}

CGdiObject* CGdiObject::Permanent(HGDIOBJ object) {
  auto it = Maps().permanent.find(object);
  return it == Maps().permanent.end() ? nullptr : it->second;
}

CGdiObject* CGdiObject::Temporary(HGDIOBJ object, CGdiObject* (*make)()) {
  std::unique_ptr<CGdiObject>& slot = Maps().temporary[object];
  if (!slot) {
    slot.reset(make());
    slot->m_hObject = object;  // a temporary wrapper owns nothing
  }
  return slot.get();
}

template <typename T>
T* CGdiObject::FromHandleAs(HGDIOBJ object) {
  if (!object) return nullptr;
  if (auto* owner = dynamic_cast<T*>(Permanent(object))) return owner;
  CGdiObject* temp = Temporary(object, [] { return static_cast<CGdiObject*>(new T); });
  if (auto* typed = dynamic_cast<T*>(temp)) return typed;
  // Known before as another kind of wrapper: make it again as this one.
  temp->m_hObject = nullptr;
  Maps().temporary.erase(object);
  return static_cast<T*>(Temporary(object, [] { return static_cast<CGdiObject*>(new T); }));
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) { return FromHandleAs<CGdiObject>(object); }

void CGdiObject::DeleteTempMap() {
  for (auto& [handle, wrapper] : Maps().temporary) wrapper->m_hObject = nullptr;
  Maps().temporary.clear();
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) { return FromHandleAs<CBitmap>(bitmap); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  return Attach(::CreateCompatibleBitmap(dc ? dc->GetSafeHdc() : nullptr, width, height));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
  return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::LoadBitmap(UINT id) {
  return Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
}

int CBitmap::GetBitmap(BITMAP* bitmap) const {
  return ::GetObjectA(m_hObject, sizeof(BITMAP), bitmap);
}

CBrush* CBrush::FromHandle(HBRUSH brush) { return FromHandleAs<CBrush>(brush); }

BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }

CFont* CFont::FromHandle(HFONT font) { return FromHandleAs<CFont>(font); }

BOOL CFont::CreateFontIndirect(const LOGFONTA* logfont) {
  return Attach(::CreateFontIndirectA(logfont));
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc) {
  LOGFONTA logfont{};
  logfont.lfCharSet = DEFAULT_CHARSET;
  if (faceName) {
    std::strncpy(logfont.lfFaceName, faceName, LF_FACESIZE - 1);
  }
  HDC screen = dc ? nullptr : ::GetDC(nullptr);
  HDC measure = dc ? dc->GetSafeHdc() : screen;
  // Tenths of a point at the device's pixels per inch, as a character
  // height (rounded down: 9 points at 96 DPI are 12 pixels).
  logfont.lfHeight = -(::GetDeviceCaps(measure, LOGPIXELSY) * pointSize / 720);
  if (screen) ::ReleaseDC(nullptr, screen);
  return CreateFontIndirect(&logfont);
}

int CFont::GetLogFont(LOGFONTA* logfont) const {
  return ::GetObjectA(m_hObject, sizeof(LOGFONTA), logfont);
}

CRgn* CRgn::FromHandle(HRGN region) { return FromHandleAs<CRgn>(region); }

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
  return Attach(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) { return Attach(::CreateRectRgnIndirect(rect)); }

BOOL CRgn::CreateFromData(const XFORM* transform, int count, const RGNDATA* data) {
  return Attach(::ExtCreateRegion(transform, static_cast<DWORD>(count), data));
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
  return ::CombineRgn(*this, a ? static_cast<HRGN>(*a) : nullptr,
                      b ? static_cast<HRGN>(*b) : nullptr, mode);
}

BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }

int CRgn::GetRgnBox(LPRECT box) const { return ::GetRgnBox(*this, box); }

BOOL CRgn::EqualRgn(const CRgn* other) const { return other && ::EqualRgn(*this, *other); }
