// CHtmlView: a child window that shows web pages through the platform's
// web browser. Events arrive synchronously while messages are dispatched
// and reach the virtual handlers; the browser's own accelerator keys are
// offered through PreTranslateMessage. A view lives on the heap by default
// and deletes itself when its window goes (PostNcDestroy).
#pragma once

#include <memory>

#include "fw/arrays.h"
#include "fw/wnd.h"

struct CCreateContext;

class CHtmlView : public CWnd {
 public:
  CHtmlView();
  ~CHtmlView() override;

  // The class name is the view's own; the window name is not shown. FALSE
  // when the window or the browser in it could not be made (a window
  // without a browser stays, empty).
  virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                      CWnd* parent, UINT id, CCreateContext* context = nullptr);
  // Starts a navigation; the before-navigate event may be raised before
  // this returns. Flags, target frame, headers and posted data are
  // accepted for the browser's sake and not used by the portable one.
  void Navigate2(LPCSTR url, DWORD flags = 0, LPCSTR targetFrameName = nullptr,
                 LPCSTR headers = nullptr, LPVOID postedData = nullptr, DWORD postedDataLength = 0);
  // The current top-level document with a reference the caller releases,
  // or null when there is none yet.
  LPDISPATCH GetHtmlDocument() const;
  // Offers a key message to the browser's own accelerators; TRUE when the
  // browser consumed it.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Before every navigation of the page and of each frame; setting
  // *cancel stops that navigation. The default lets it proceed.
  virtual void OnBeforeNavigate2(LPCSTR url, DWORD flags, LPCSTR targetFrameName,
                                 CByteArray& postedData, LPCSTR headers, BOOL* cancel);
  // After every completed document, frames included.
  virtual void OnDocumentComplete(LPCSTR url);
  // Asked whenever the browser sets up a document; the default gives
  // nothing (E_NOTIMPL) and the browser keeps its own look.
  virtual HRESULT OnGetHostInfo(DOCHOSTUIINFO* info);

 protected:
  void PostNcDestroy() override;
  // Where the browser follows the view's size and goes with its window.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  class BrowserSite;  // the binding to the platform's browser
  std::unique_ptr<BrowserSite> site_;
};
