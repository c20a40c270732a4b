// The web view where no browser binding exists yet: the Windows build, until
// the WebBrowser control is hosted through OLE. Creation fails, so a window
// that embeds a view shows no page there; everything else does nothing.
// The program links and runs, without its pages.
#include "fw/html_view.h"

class CHtmlView::BrowserSite {};

CHtmlView::CHtmlView() = default;
CHtmlView::~CHtmlView() = default;

BOOL CHtmlView::Create(LPCSTR, LPCSTR, DWORD, const RECT&, CWnd*, UINT, CCreateContext*) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

void CHtmlView::Navigate2(LPCSTR, DWORD, LPCSTR, LPCSTR, LPVOID, DWORD) {}
LPDISPATCH CHtmlView::GetHtmlDocument() const { return nullptr; }
BOOL CHtmlView::PreTranslateMessage(MSG*) { return FALSE; }
void CHtmlView::OnBeforeNavigate2(LPCSTR, DWORD, LPCSTR, CByteArray&, LPCSTR, BOOL*) {}
void CHtmlView::OnDocumentComplete(LPCSTR) {}
HRESULT CHtmlView::OnGetHostInfo(DOCHOSTUIINFO*) { return E_NOTIMPL; }
void CHtmlView::PostNcDestroy() { delete this; }
