// CHtmlCtrl: a web page shown as a child control of a dialog, created in
// place of the dialog's placeholder static (id -1). On top of the web view
// it adds a navigation callback that may cancel any navigation (frames
// included), a one-shot document-complete callback, the host's styling (a
// black page without border or scroll bars, restyled after every
// document), a keyboard filter that keeps the browser's own shortcuts out
// of the page, and calls into the page's script by name.
#pragma once

#include "browser/fix_html_view.h"

class CHtmlCtrl;

// Before every navigation of the control while installed: the address
// (multi-byte, valid during the call) and the context given with it. True
// cancels that one navigation.
using BeforeNavigateCallback = bool (*)(const char* url, void* context);
// Once, at the next completed document whose page is available.
using DocumentCompleteCallback = void (*)(CHtmlCtrl* control);

class CHtmlCtrl : public CFixHtmlView {
 public:
  CHtmlCtrl() = default;
  ~CHtmlCtrl() override;
  CHtmlCtrl(const CHtmlCtrl&) = delete;
  CHtmlCtrl& operator=(const CHtmlCtrl&) = delete;

  // Replaces the parent's first child with id -1 by the browser, placed at
  // `rect` (parent client coordinates). FALSE when there is no placeholder.
  BOOL CreateFromPlaceholder(CWnd* parent, RECT rect);
  // Opens `url` with these callbacks (any may be null); a null address
  // changes nothing.
  void NavigateWithCallbacks(const char* url, BeforeNavigateCallback beforeNavigate, void* context,
                             DocumentCompleteCallback documentComplete);
  // Calls the current page's script member `name` as a method with the
  // arguments in order. The caller owns and clears the result; any failure
  // gives VT_BOOL / VARIANT_FALSE.
  VARIANT CallScriptFunction(const CString& name, const CStringArray& arguments);

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  // The control is a member of its dialog and never deletes itself.
  void PostNcDestroy() override {}
  HRESULT OnGetHostInfo(DOCHOSTUIINFO* info) override;
  void OnBeforeNavigate2(LPCSTR url, DWORD flags, LPCSTR targetFrameName, CByteArray& postedData,
                         LPCSTR headers, BOOL* cancel) override;
  void OnDocumentComplete(LPCSTR url) override;

 private:
  void RestyleBody(IDispatch* document);

  IDispatch* CachedDocument = nullptr;  // the document CallScriptFunction last used

 public:
  // When set, Enter is offered to the browser's own key handling like any
  // other key; when clear it reaches the page by dispatch only.
  BOOL PassEnterToPage = FALSE;

 private:
  CString Url;  // the address last opened
  BeforeNavigateCallback BeforeNavigateHandler = nullptr;
  void* HandlerContext = nullptr;
  DocumentCompleteCallback DocumentCompleteHandler = nullptr;
};
