// CHtmlView on the portable desktop: the view's window is the desktop's
// browser control, and the view is that browser's event sink.
#include <string>

#include "fw/html_view.h"
#include "platform/desktop/web/web_browser.h"

namespace {

// Wide and multi-byte texts convert in the ANSI code page, as the
// framework's own conversions do.
CString Narrow(const std::u16string& wide) {
  if (wide.empty()) return CString();
  const WCHAR* text = wide.c_str();
  int length = static_cast<int>(wide.size());
  int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  CString out;
  if (bytes > 0) {
    ::WideCharToMultiByte(CP_ACP, 0, text, length, out.GetBuffer(bytes + 1), bytes, nullptr,
                          nullptr);
    out.ReleaseBuffer(bytes);
  }
  return out;
}

std::u16string Widen(LPCSTR text) {
  if (!text || !*text) return {};
  int chars = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (chars <= 0) return {};
  std::u16string out(static_cast<std::size_t>(chars), u'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), chars);
  out.resize(static_cast<std::size_t>(chars - 1));  // without the terminator
  return out;
}

}  // namespace

class CHtmlView::BrowserSite final : public desktop::web::BrowserEvents {
 public:
  explicit BrowserSite(CHtmlView& view) : view_(view) {}

  void BeforeNavigate(const std::u16string& address, bool, bool* cancel) override {
    CString url = Narrow(address);
    CByteArray postedData;
    BOOL cancelled = FALSE;
    view_.OnBeforeNavigate2(url, 0, "", postedData, "", &cancelled);
    *cancel = cancelled != FALSE;
  }
  void DocumentComplete(const std::u16string& address, bool) override {
    view_.OnDocumentComplete(Narrow(address));
  }
  HRESULT GetHostInfo(DOCHOSTUIINFO* info) override { return view_.OnGetHostInfo(info); }

 private:
  CHtmlView& view_;
};

CHtmlView::CHtmlView() = default;

CHtmlView::~CHtmlView() {
  // The window may outlive this part of the object for a moment (the base
  // destroys it): it must not report to a view that is going.
  if (desktop::web::WebBrowser* browser = desktop::web::BrowserOf(m_hWnd)) {
    browser->SetEvents(nullptr);
  }
}

BOOL CHtmlView::Create(LPCSTR, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                       UINT id, CCreateContext*) {
  auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(static_cast<int>(id)));
  if (!CreateEx(0, desktop::web::kBrowserClassName, windowName, style, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                menu)) {
    return FALSE;
  }
  desktop::web::WebBrowser* browser = desktop::web::BrowserOf(m_hWnd);
  if (!browser) return FALSE;
  site_ = std::make_unique<BrowserSite>(*this);
  browser->SetEvents(site_.get());
  return TRUE;
}

void CHtmlView::Navigate2(LPCSTR url, DWORD, LPCSTR, LPCSTR, LPVOID, DWORD) {
  if (desktop::web::WebBrowser* browser = desktop::web::BrowserOf(m_hWnd)) {
    browser->Navigate(Widen(url));
  }
}

LPDISPATCH CHtmlView::GetHtmlDocument() const {
  desktop::web::WebBrowser* browser = desktop::web::BrowserOf(m_hWnd);
  return browser ? browser->Document() : nullptr;
}

BOOL CHtmlView::PreTranslateMessage(MSG* pMsg) {
  desktop::web::WebBrowser* browser = desktop::web::BrowserOf(m_hWnd);
  return browser && pMsg ? browser->TranslateAccelerator(*pMsg) : FALSE;
}

void CHtmlView::OnBeforeNavigate2(LPCSTR, DWORD, LPCSTR, CByteArray&, LPCSTR, BOOL*) {}
void CHtmlView::OnDocumentComplete(LPCSTR) {}
HRESULT CHtmlView::OnGetHostInfo(DOCHOSTUIINFO*) { return E_NOTIMPL; }

void CHtmlView::PostNcDestroy() { delete this; }

// The view's window is the desktop's browser itself, which sizes its page.
LRESULT CHtmlView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CWnd::WindowProc(message, wParam, lParam);
}
