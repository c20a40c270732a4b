#include "browser/html_ctrl.h"

#include <cstring>

#include "browser/com_ref.h"

namespace {

// What every page gets from its host: a black background, and a namespace
// list for the host's own tags.
const OLECHAR* const kHostStyleSheet =
    reinterpret_cast<const OLECHAR*>(u"BODY {background-color:#000000}");
constexpr SIZE_T kHostStyleSheetBytes = 64;
const OLECHAR* const kHostNamespaces =
    reinterpret_cast<const OLECHAR*>(u"IE;MyTags;MyTags2='www.tessal.example'");

// A new task-memory copy of a wide string (with its terminator) of at
// least `minimumBytes` bytes; null when memory runs out.
OLECHAR* TaskMemoryCopy(const OLECHAR* text, SIZE_T minimumBytes = 0) {
  SIZE_T length = 0;
  while (text[length] != 0) ++length;
  SIZE_T bytes = (length + 1) * sizeof(OLECHAR);
  auto* copy = static_cast<OLECHAR*>(::CoTaskMemAlloc(bytes > minimumBytes ? bytes : minimumBytes));
  if (copy) std::memcpy(copy, text, bytes);
  return copy;
}

bool IsDown(int key) { return ::GetAsyncKeyState(key) < 0; }

// The browser's own shortcuts with Ctrl: select all, find, new window,
// open, print, save. Virtual-key codes of letters are their capitals.
bool IsBrowserShortcutKey(WPARAM key) {
  switch (key) {
    case 'A':
    case 'F':
    case 'N':
    case 'O':
    case 'P':
    case 'S':
      return true;
    default:
      return false;
  }
}

}  // namespace

CHtmlCtrl::~CHtmlCtrl() {
  if (CachedDocument) {
    CachedDocument->Release();
    CachedDocument = nullptr;
  }
}

BOOL CHtmlCtrl::CreateFromPlaceholder(CWnd* parent, RECT rect) {
  PassEnterToPage = FALSE;
  CWnd placeholder;
  if (!placeholder.SubclassDlgItem(static_cast<UINT>(-1), parent)) return FALSE;
  DocumentCompleteHandler = nullptr;
  if (CachedDocument) {
    CachedDocument->Release();
    CachedDocument = nullptr;
  }
  placeholder.MoveWindow(&rect, TRUE);
  CRect placed;
  placeholder.GetWindowRect(&placed);
  parent->ScreenToClient(&placed);
  placeholder.DestroyWindow();
  return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, placed, parent, static_cast<UINT>(-1),
                nullptr);
}

void CHtmlCtrl::NavigateWithCallbacks(const char* url, BeforeNavigateCallback beforeNavigate,
                                      void* context, DocumentCompleteCallback documentComplete) {
  if (!url) return;
  BeforeNavigateHandler = beforeNavigate;
  HandlerContext = context;
  Url = url;
  // The browser may raise the first before-navigate event in here, so the
  // navigation callback is in place before.
  Navigate2(Url, 0, nullptr, nullptr, nullptr, 0);
  DocumentCompleteHandler = documentComplete;
}

BOOL CHtmlCtrl::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN) {
    // Enter (unless passed on) and Esc skip the browser's own key handling
    // and reach the page by dispatch.
    if ((pMsg->wParam == VK_RETURN && !PassEnterToPage) || pMsg->wParam == VK_ESCAPE) {
      return FALSE;
    }
    if (IsDown(VK_CONTROL) && IsBrowserShortcutKey(pMsg->wParam)) return TRUE;
  }
  // Back and forward come as system keys; the test looks at every message.
  if (IsDown(VK_MENU) && (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT)) return TRUE;
  return CFixHtmlView::PreTranslateMessage(pMsg);
}

HRESULT CHtmlCtrl::OnGetHostInfo(DOCHOSTUIINFO* info) {
  info->cbSize = sizeof(DOCHOSTUIINFO);
  info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO;
  info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  info->pchHostCss = TaskMemoryCopy(kHostStyleSheet, kHostStyleSheetBytes);
  info->pchHostNS = TaskMemoryCopy(kHostNamespaces);
  if (!info->pchHostCss || !info->pchHostNS) {
    ::CoTaskMemFree(info->pchHostCss);
    ::CoTaskMemFree(info->pchHostNS);
    info->pchHostCss = info->pchHostNS = nullptr;
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

void CHtmlCtrl::OnBeforeNavigate2(LPCSTR url, DWORD flags, LPCSTR targetFrameName,
                                  CByteArray& postedData, LPCSTR headers, BOOL* cancel) {
  // Read once: the handler may navigate again and install another one,
  // which applies from the next event on.
  BeforeNavigateCallback handler = BeforeNavigateHandler;
  if (handler && handler(url, HandlerContext)) {
    *cancel = TRUE;
    return;
  }
  CFixHtmlView::OnBeforeNavigate2(url, flags, targetFrameName, postedData, headers, cancel);
}

void CHtmlCtrl::OnDocumentComplete(LPCSTR) {
  IDispatch* document = GetHtmlDocument();
  if (!document) return;  // the one-shot callback waits for a document
  RestyleBody(document);
  document->Release();
  DocumentCompleteCallback handler = DocumentCompleteHandler;
  if (handler) {
    handler(this);
    DocumentCompleteHandler = nullptr;
  }
}

// The top-level page never scrolls and has no border, whatever it asks.
void CHtmlCtrl::RestyleBody(IDispatch* document) {
  ComRef<IHTMLDocument2> html;
  if (FAILED(document->QueryInterface(IID_IHTMLDocument2, html.receiveAny())) || !html) return;
  ComRef<IHTMLElement> body;
  if (FAILED(html->get_body(body.receive())) || !body) return;
  ComRef<IHTMLBodyElement> bodyElement;
  if (SUCCEEDED(body->QueryInterface(IID_IHTMLBodyElement, bodyElement.receiveAny())) &&
      bodyElement) {
    Bstr no(reinterpret_cast<const OLECHAR*>(u"no"));
    bodyElement->put_scroll(no.get());
  }
  ComRef<IHTMLStyle> style;
  if (SUCCEEDED(body->get_style(style.receive())) && style) {
    Bstr hidden(reinterpret_cast<const OLECHAR*>(u"hidden"));
    Bstr none(reinterpret_cast<const OLECHAR*>(u"none"));
    style->put_overflow(hidden.get());
    style->put_border(none.get());
  }
}
