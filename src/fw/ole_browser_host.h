// The container of the system's WebBrowser control (Windows only): the
// client site, in-place site and frame, the document host's UI handler and
// the sink of the browser's DWebBrowserEvents2, in one COM object. It makes
// the control, activates it in place inside a window of ours, follows that
// window's size, offers keys to the control's accelerators and hands the
// events on to its listener.
#pragma once

#include <exdisp.h>
#include <mshtmhst.h>
#include <ole2.h>

// What the host reports, with the browser's own wide strings.
class BrowserHostListener {
 public:
  // Before every navigation, the page's and each frame's.
  virtual void BeforeNavigate(const wchar_t* url, DWORD flags, const wchar_t* targetFrame,
                              const BYTE* postedData, ULONG postedLength, const wchar_t* headers,
                              bool* cancel) = 0;
  // After every completed document, frames included.
  virtual void DocumentComplete(const wchar_t* url) = 0;
  // Whenever the browser sets up a document.
  virtual HRESULT GetHostInfo(DOCHOSTUIINFO* info) = 0;

 protected:
  ~BrowserHostListener() = default;
};

class OleBrowserHost final : public IOleClientSite,
                             public IOleInPlaceSite,
                             public IOleInPlaceFrame,
                             public IDocHostUIHandler,
                             public IDispatch {
 public:
  // A host with one reference, the caller's, that reports to `listener`.
  static OleBrowserHost* Make(BrowserHostListener& listener);

  // Creates the control and activates it in place in `window`, over its
  // whole client area; false (and nothing held) when the system has no
  // browser or refuses a step.
  bool Open(HWND window);
  // Deactivates and closes the control and lets go of it; the listener
  // hears nothing more. Safe to call twice.
  void Close();
  // The control follows its window's client area.
  void FitToWindow();

  // The browser's automation interface (no reference added), or null.
  IWebBrowser2* Browser() const { return browser_; }
  // Offers a key message to the control's own accelerators; true when it
  // took the message.
  bool TranslateAccelerator(MSG* message);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IOleClientSite
  STDMETHODIMP SaveObject() override;
  STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override;
  STDMETHODIMP OnShowWindow(BOOL show) override;
  STDMETHODIMP RequestNewObjectLayout() override;

  // IOleWindow (of both the in-place site and the frame)
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override;
  STDMETHODIMP OnInPlaceActivate() override;
  STDMETHODIMP OnUIActivate() override;
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                LPRECT position, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO frameInfo) override;
  STDMETHODIMP Scroll(SIZE extent) override;
  STDMETHODIMP OnUIDeactivate(BOOL undoable) override;
  STDMETHODIMP OnInPlaceDeactivate() override;
  STDMETHODIMP DiscardUndoState() override;
  STDMETHODIMP DeactivateAndUndo() override;
  STDMETHODIMP OnPosRectChange(LPCRECT position) override;

  // IOleInPlaceUIWindow and IOleInPlaceFrame: no toolbars, no menus.
  STDMETHODIMP GetBorder(LPRECT border) override;
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS widths) override;
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override;
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR name) override;
  STDMETHODIMP InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
  STDMETHODIMP SetMenu(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
  STDMETHODIMP RemoveMenus(HMENU shared) override;
  STDMETHODIMP SetStatusText(LPCOLESTR text) override;
  STDMETHODIMP EnableModeless(BOOL enable) override;
  STDMETHODIMP TranslateAccelerator(LPMSG message, WORD id) override;

  // IDocHostUIHandler: the host's information; the browser's own menus,
  // keys and drop handling otherwise.
  STDMETHODIMP ShowContextMenu(DWORD id, POINT* point, IUnknown* commands,
                               IDispatch* object) override;
  STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* info) override;
  STDMETHODIMP ShowUI(DWORD id, IOleInPlaceActiveObject* active, IOleCommandTarget* commands,
                      IOleInPlaceFrame* frame, IOleInPlaceUIWindow* document) override;
  STDMETHODIMP HideUI() override;
  STDMETHODIMP UpdateUI() override;
  STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
  STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
  STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
  STDMETHODIMP TranslateAccelerator(LPMSG message, const GUID* group, DWORD command) override;
  STDMETHODIMP GetOptionKeyPath(LPOLESTR* key, DWORD reserved) override;
  STDMETHODIMP GetDropTarget(IDropTarget* target, IDropTarget** replacement) override;
  STDMETHODIMP GetExternal(IDispatch** external) override;
  STDMETHODIMP TranslateUrl(DWORD translate, LPWSTR url, LPWSTR* translated) override;
  STDMETHODIMP FilterDataObject(IDataObject* data, IDataObject** replacement) override;

  // IDispatch: the browser's events (DWebBrowserEvents2).
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                             DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

 private:
  explicit OleBrowserHost(BrowserHostListener& listener) : listener_(&listener) {}
  ~OleBrowserHost();

  void RaiseBeforeNavigate(DISPPARAMS& params);
  void RaiseDocumentComplete(DISPPARAMS& params);
  RECT ClientArea() const;

  LONG references_ = 1;
  BrowserHostListener* listener_;  // null once closed
  HWND window_ = nullptr;
  bool oleInitialized_ = false;
  IOleObject* object_ = nullptr;
  IOleInPlaceObject* inPlace_ = nullptr;
  IOleInPlaceActiveObject* active_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
  IConnectionPoint* events_ = nullptr;
  DWORD eventsCookie_ = 0;
};
