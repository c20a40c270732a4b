#include "fw/dc.h"

#include <map>
#include <memory>

#include "fw/wnd.h"

namespace {

// Never destroyed, as the drawing objects' maps.
std::map<HDC, std::unique_ptr<CDC>>& TemporaryDcs() {
  static auto* map = new std::map<HDC, std::unique_ptr<CDC>>;
  return *map;
}

HWND HandleOf(CWnd* wnd) { return wnd ? wnd->GetSafeHwnd() : nullptr; }

}  // namespace

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC hdc) {
  if (!hdc) return nullptr;
  std::unique_ptr<CDC>& slot = TemporaryDcs()[hdc];
  if (!slot) {
    slot = std::make_unique<CDC>();
    slot->m_hDC = hdc;  // a temporary wrapper owns nothing
  }
  return slot.get();
}

void CDC::DeleteTempMap() {
  for (auto& [hdc, dc] : TemporaryDcs()) dc->m_hDC = nullptr;
  TemporaryDcs().clear();
}

BOOL CDC::Attach(HDC hdc) {
  if (m_hDC || !hdc) return FALSE;
  m_hDC = hdc;
  return TRUE;
}

HDC CDC::Detach() {
  HDC hdc = m_hDC;
  m_hDC = nullptr;
  return hdc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  return Attach(::CreateCompatibleDC(dc ? dc->GetSafeHdc() : nullptr));
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  return ::DeleteDC(Detach());
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
  if (!object) return nullptr;
  return CGdiObject::FromHandle(::SelectObject(m_hDC, object->m_hObject));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  if (!bitmap) return nullptr;
  return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, bitmap->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (!brush) return nullptr;
  return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, brush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* font) {
  if (!font) return nullptr;
  return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, font->m_hObject)));
}

int CDC::SelectObject(CRgn* region) { return SelectClipRgn(region); }

CGdiObject* CDC::SelectStockObject(int index) {
  return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index)));
}

int CDC::SelectClipRgn(CRgn* region) {
  return ::SelectClipRgn(m_hDC, region ? static_cast<HRGN>(*region) : nullptr);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop) {
  return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY,
                  rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight, DWORD rop) {
  return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX,
                      sourceY, sourceWidth, sourceHeight, rop);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
  ::FillRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
}

// Fills with a brush of its own, so the DC's colours stay as they were.
void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
  CBrush brush(color);
  ::FillRect(m_hDC, rect, brush);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
  RECT rect{x, y, x + width, y + height};
  FillSolidRect(&rect, color);
}

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
BOOL CDC::TextOut(int x, int y, LPCSTR text, int length) {
  return ::TextOutA(m_hDC, x, y, text, length);
}

BOOL CDC::TextOut(int x, int y, const CString& text) {
  return ::TextOutA(m_hDC, x, y, text, text.GetLength());
}

CSize CDC::GetTextExtent(LPCSTR text, int length) const {
  SIZE size{0, 0};
  ::GetTextExtentPoint32A(m_hDC, text, length, &size);
  return CSize(size.cx, size.cy);
}

CSize CDC::GetTextExtent(const CString& text) const {
  return GetTextExtent(text, text.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA metrics) const { return ::GetTextMetricsA(m_hDC, metrics); }

CFont* CDC::GetCurrentFont() const {
  return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }
int CDC::SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
int CDC::GetClipBox(LPRECT box) const { return ::GetClipBox(m_hDC, box); }

CPaintDC::CPaintDC(CWnd* wnd) : hwnd_(HandleOf(wnd)) { Attach(::BeginPaint(hwnd_, &m_ps)); }

CPaintDC::~CPaintDC() {
  ::EndPaint(hwnd_, &m_ps);
  Detach();
}

CClientDC::CClientDC(CWnd* wnd) : hwnd_(HandleOf(wnd)) { Attach(::GetDC(hwnd_)); }

CClientDC::~CClientDC() { ::ReleaseDC(hwnd_, Detach()); }

CWindowDC::CWindowDC(CWnd* wnd) : hwnd_(HandleOf(wnd)) { Attach(::GetWindowDC(hwnd_)); }

CWindowDC::~CWindowDC() { ::ReleaseDC(hwnd_, Detach()); }
