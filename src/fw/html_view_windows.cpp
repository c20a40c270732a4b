// CHtmlView on Windows: a window of the view's own class that hosts the
// system's WebBrowser control in place (OleBrowserHost), with the control's
// events handed to the view's virtual handlers in the ANSI code page.
#include <memory>

#include "fw/app.h"
#include "fw/html_view.h"
#include "fw/ole_browser_host.h"

namespace {

constexpr char kViewClassName[] = "TessalHtmlView";

// The view's class: black behind the page, so nothing flashes white before
// the first document (the pages are black too).
bool RegisterViewClass() {
  HINSTANCE instance = AfxGetInstanceHandle();
  WNDCLASSA existing{};
  if (::GetClassInfoA(instance, kViewClassName, &existing)) return true;
  WNDCLASSA viewClass{};
  viewClass.style = CS_DBLCLKS;
  viewClass.lpfnWndProc = ::DefWindowProcA;
  viewClass.hInstance = instance;
  viewClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  viewClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  viewClass.lpszClassName = kViewClassName;
  return ::RegisterClassA(&viewClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

CString Narrow(const wchar_t* wide) {
  if (!wide || !*wide) return CString();
  int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  CString out;
  if (bytes > 1) {
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, out.GetBuffer(bytes), bytes, nullptr, nullptr);
    out.ReleaseBuffer(bytes - 1);
  }
  return out;
}

// A VARIANT that frees what it holds when it goes.
class Variant {
 public:
  Variant() { ::VariantInit(&value_); }
  ~Variant() { ::VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;

  VARIANT* get() { return &value_; }

  // Multi-byte text as a BSTR; an absent text leaves the VARIANT empty.
  void SetText(LPCSTR text) {
    if (!text) return;
    int chars = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (chars <= 0) return;
    BSTR wide = ::SysAllocStringLen(nullptr, static_cast<UINT>(chars - 1));
    if (!wide) return;
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide, chars);
    value_.vt = VT_BSTR;
    value_.bstrVal = wide;
  }
  void SetNumber(LONG number) {
    value_.vt = VT_I4;
    value_.lVal = number;
  }
  // Bytes as a safe array, as the browser takes posted data.
  void SetBytes(const void* bytes, DWORD length) {
    if (!bytes || length == 0) return;
    SAFEARRAY* array = ::SafeArrayCreateVector(VT_UI1, 0, length);
    if (!array) return;
    void* data = nullptr;
    if (FAILED(::SafeArrayAccessData(array, &data))) {
      ::SafeArrayDestroy(array);
      return;
    }
    ::CopyMemory(data, bytes, length);
    ::SafeArrayUnaccessData(array);
    value_.vt = VT_ARRAY | VT_UI1;
    value_.parray = array;
  }

 private:
  VARIANT value_;
};

}  // namespace

class CHtmlView::BrowserSite final : public BrowserHostListener {
 public:
  explicit BrowserSite(CHtmlView& view) : view_(view), host_(OleBrowserHost::Make(*this)) {}
  ~BrowserSite() {
    host_->Close();
    host_->Release();
  }
  BrowserSite(const BrowserSite&) = delete;
  BrowserSite& operator=(const BrowserSite&) = delete;

  OleBrowserHost& host() const { return *host_; }

  void BeforeNavigate(const wchar_t* url, DWORD flags, const wchar_t* targetFrame,
                      const BYTE* postedData, ULONG postedLength, const wchar_t* headers,
                      bool* cancel) override {
    CByteArray posted;
    if (postedData && postedLength > 0) {
      posted.SetSize(static_cast<INT_PTR>(postedLength));
      ::CopyMemory(posted.GetData(), postedData, postedLength);
    }
    BOOL cancelled = *cancel ? TRUE : FALSE;
    view_.OnBeforeNavigate2(Narrow(url), flags, Narrow(targetFrame), posted, Narrow(headers),
                            &cancelled);
    *cancel = cancelled != FALSE;
  }
  void DocumentComplete(const wchar_t* url) override { view_.OnDocumentComplete(Narrow(url)); }
  HRESULT GetHostInfo(DOCHOSTUIINFO* info) override { return view_.OnGetHostInfo(info); }

 private:
  CHtmlView& view_;
  OleBrowserHost* host_;  // one reference, this object's
};

CHtmlView::CHtmlView() = default;

// The browser is closed before the window goes (site_ is released first).
CHtmlView::~CHtmlView() = default;

BOOL CHtmlView::Create(LPCSTR, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                       UINT id, CCreateContext*) {
  if (!RegisterViewClass()) return FALSE;
  auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(static_cast<int>(id)));
  if (!CreateEx(0, kViewClassName, windowName, style | WS_CLIPCHILDREN, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                menu)) {
    return FALSE;
  }
  site_ = std::make_unique<BrowserSite>(*this);
  if (!site_->host().Open(m_hWnd)) {
    site_.reset();
    return FALSE;
  }
  return TRUE;
}

void CHtmlView::Navigate2(LPCSTR url, DWORD flags, LPCSTR targetFrameName, LPCSTR headers,
                          LPVOID postedData, DWORD postedDataLength) {
  IWebBrowser2* browser = site_ ? site_->host().Browser() : nullptr;
  if (!browser || !url) return;
  Variant address, flagsArg, frame, posted, headersArg;
  address.SetText(url);
  flagsArg.SetNumber(static_cast<LONG>(flags));
  frame.SetText(targetFrameName);
  posted.SetBytes(postedData, postedDataLength);
  headersArg.SetText(headers);
  browser->Navigate2(address.get(), flagsArg.get(), frame.get(), posted.get(), headersArg.get());
}

LPDISPATCH CHtmlView::GetHtmlDocument() const {
  IWebBrowser2* browser = site_ ? site_->host().Browser() : nullptr;
  if (!browser) return nullptr;
  IDispatch* document = nullptr;
  if (FAILED(browser->get_Document(&document))) return nullptr;
  return document;
}

BOOL CHtmlView::PreTranslateMessage(MSG* pMsg) {
  if (!site_ || !pMsg || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  // Only keys meant for the page: the view itself or a window inside it.
  if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
  return site_->host().TranslateAccelerator(pMsg) ? TRUE : FALSE;
}

void CHtmlView::OnBeforeNavigate2(LPCSTR, DWORD, LPCSTR, CByteArray&, LPCSTR, BOOL*) {}
void CHtmlView::OnDocumentComplete(LPCSTR) {}
HRESULT CHtmlView::OnGetHostInfo(DOCHOSTUIINFO*) { return E_NOTIMPL; }

void CHtmlView::PostNcDestroy() { delete this; }

LRESULT CHtmlView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (site_) site_->host().FitToWindow();
      break;
    case WM_DESTROY:
      // The browser's windows are children of this one: closed while they
      // still exist.
      site_.reset();
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
