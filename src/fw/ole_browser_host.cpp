#include "fw/ole_browser_host.h"

#include <exdispid.h>
#include <ocidl.h>

namespace {

template <typename Interface>
void ReleaseAndClear(Interface*& pointer) {
  if (pointer) {
    pointer->Release();
    pointer = nullptr;
  }
}

// An event argument as the browser passes it: possibly a reference to a
// VARIANT that holds the value.
const VARIANT* Unwrap(const VARIANT& argument) {
  const VARIANT* value = &argument;
  while (value && value->vt == (VT_BYREF | VT_VARIANT)) value = value->pvarVal;
  return value;
}

const wchar_t* TextOf(const VARIANT& argument) {
  const VARIANT* value = Unwrap(argument);
  if (!value) return L"";
  if (value->vt == VT_BSTR && value->bstrVal) return value->bstrVal;
  if (value->vt == (VT_BYREF | VT_BSTR) && value->pbstrVal && *value->pbstrVal) {
    return *value->pbstrVal;
  }
  return L"";
}

DWORD NumberOf(const VARIANT& argument) {
  const VARIANT* value = Unwrap(argument);
  if (!value) return 0;
  if (value->vt == VT_I4) return static_cast<DWORD>(value->lVal);
  if (value->vt == (VT_BYREF | VT_I4) && value->plVal) return static_cast<DWORD>(*value->plVal);
  return 0;
}

// The posted data: a safe array of bytes, locked for as long as the
// object lives.
class PostedBytes {
 public:
  explicit PostedBytes(const VARIANT& argument) {
    const VARIANT* value = Unwrap(argument);
    if (!value || value->vt != (VT_ARRAY | VT_UI1) || !value->parray) return;
    SAFEARRAY* array = value->parray;
    if (::SafeArrayGetDim(array) != 1) return;
    LONG lower = 0, upper = -1;
    if (FAILED(::SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(::SafeArrayGetUBound(array, 1, &upper)) || upper < lower) {
      return;
    }
    void* data = nullptr;
    if (FAILED(::SafeArrayAccessData(array, &data))) return;
    array_ = array;
    data_ = static_cast<const BYTE*>(data);
    length_ = static_cast<ULONG>(upper - lower + 1);
  }
  ~PostedBytes() {
    if (array_) ::SafeArrayUnaccessData(array_);
  }
  PostedBytes(const PostedBytes&) = delete;
  PostedBytes& operator=(const PostedBytes&) = delete;

  const BYTE* data() const { return data_; }
  ULONG length() const { return length_; }

 private:
  SAFEARRAY* array_ = nullptr;
  const BYTE* data_ = nullptr;
  ULONG length_ = 0;
};

}  // namespace

OleBrowserHost* OleBrowserHost::Make(BrowserHostListener& listener) {
  return new OleBrowserHost(listener);
}

OleBrowserHost::~OleBrowserHost() { Close(); }

bool OleBrowserHost::Open(HWND window) {
  if (object_ || !window) return false;
  window_ = window;
  // The control lives in a single-threaded apartment with OLE's services
  // (drag and drop, the clipboard); balanced in Close.
  oleInitialized_ = SUCCEEDED(::OleInitialize(nullptr));
  if (!oleInitialized_) return false;
  if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&object_))) ||
      !object_) {
    object_ = nullptr;
    Close();
    return false;
  }
  RECT area = ClientArea();
  if (FAILED(object_->SetClientSite(this)) ||
      FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, window_, &area)) ||
      FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_))) ||
      !browser_) {
    browser_ = nullptr;
    Close();
    return false;
  }
  object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace_));
  if (!active_) {
    object_->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active_));
  }

  // The events: without them the view would be blind, so no events, no view.
  IConnectionPointContainer* points = nullptr;
  HRESULT connected = object_->QueryInterface(IID_IConnectionPointContainer,
                                              reinterpret_cast<void**>(&points));
  if (SUCCEEDED(connected) && points) {
    connected = points->FindConnectionPoint(DIID_DWebBrowserEvents2, &events_);
    points->Release();
    if (SUCCEEDED(connected) && events_) {
      connected = events_->Advise(static_cast<IDispatch*>(this), &eventsCookie_);
    }
  }
  if (FAILED(connected) || !events_) {
    Close();
    return false;
  }
  browser_->put_RegisterAsDropTarget(VARIANT_FALSE);
  return true;
}

void OleBrowserHost::Close() {
  listener_ = nullptr;
  // Holds this object while the control lets go of its references to it.
  AddRef();
  if (events_) {
    if (eventsCookie_) events_->Unadvise(eventsCookie_);
    eventsCookie_ = 0;
    ReleaseAndClear(events_);
  }
  if (inPlace_) inPlace_->InPlaceDeactivate();
  ReleaseAndClear(inPlace_);
  ReleaseAndClear(active_);
  ReleaseAndClear(browser_);
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
    ReleaseAndClear(object_);
  }
  if (oleInitialized_) {
    oleInitialized_ = false;
    ::OleUninitialize();
  }
  window_ = nullptr;
  // Not Release(): this may be the destructor's own call.
  --references_;
}

void OleBrowserHost::FitToWindow() {
  if (!inPlace_) return;
  RECT area = ClientArea();
  inPlace_->SetObjectRects(&area, &area);
}

bool OleBrowserHost::TranslateAccelerator(MSG* message) {
  return active_ && message && active_->TranslateAccelerator(message) == S_OK;
}

RECT OleBrowserHost::ClientArea() const {
  RECT area{0, 0, 0, 0};
  if (window_) ::GetClientRect(window_, &area);
  return area;
}

// IUnknown

STDMETHODIMP OleBrowserHost::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
    *object = static_cast<IOleInPlaceSite*>(this);
  } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
    *object = static_cast<IOleInPlaceFrame*>(this);
  } else if (iid == IID_IDocHostUIHandler) {
    *object = static_cast<IDocHostUIHandler*>(this);
  } else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
    *object = static_cast<IDispatch*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) OleBrowserHost::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) OleBrowserHost::Release() {
  LONG left = ::InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

// IOleClientSite

STDMETHODIMP OleBrowserHost::SaveObject() { return E_NOTIMPL; }
STDMETHODIMP OleBrowserHost::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP OleBrowserHost::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}
STDMETHODIMP OleBrowserHost::ShowObject() { return S_OK; }
STDMETHODIMP OleBrowserHost::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP OleBrowserHost::RequestNewObjectLayout() { return E_NOTIMPL; }

// IOleWindow

STDMETHODIMP OleBrowserHost::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = window_;
  return window_ ? S_OK : E_FAIL;
}
STDMETHODIMP OleBrowserHost::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// IOleInPlaceSite

STDMETHODIMP OleBrowserHost::CanInPlaceActivate() { return window_ ? S_OK : S_FALSE; }
STDMETHODIMP OleBrowserHost::OnInPlaceActivate() { return S_OK; }
STDMETHODIMP OleBrowserHost::OnUIActivate() { return S_OK; }

STDMETHODIMP OleBrowserHost::GetWindowContext(IOleInPlaceFrame** frame,
                                              IOleInPlaceUIWindow** document, LPRECT position,
                                              LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo) {
  if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
  *frame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  *document = nullptr;
  *position = *clip = ClientArea();
  frameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
  frameInfo->fMDIApp = FALSE;
  frameInfo->hwndFrame = window_ ? ::GetAncestor(window_, GA_ROOT) : nullptr;
  frameInfo->haccel = nullptr;
  frameInfo->cAccelEntries = 0;
  return S_OK;
}

STDMETHODIMP OleBrowserHost::Scroll(SIZE) { return E_NOTIMPL; }
STDMETHODIMP OleBrowserHost::OnUIDeactivate(BOOL) { return S_OK; }
STDMETHODIMP OleBrowserHost::OnInPlaceDeactivate() { return S_OK; }
STDMETHODIMP OleBrowserHost::DiscardUndoState() { return S_OK; }
STDMETHODIMP OleBrowserHost::DeactivateAndUndo() { return S_OK; }

STDMETHODIMP OleBrowserHost::OnPosRectChange(LPCRECT position) {
  if (inPlace_ && position) inPlace_->SetObjectRects(position, position);
  return S_OK;
}

// IOleInPlaceUIWindow, IOleInPlaceFrame

STDMETHODIMP OleBrowserHost::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP OleBrowserHost::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP OleBrowserHost::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }

STDMETHODIMP OleBrowserHost::SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) {
  if (active) active->AddRef();
  ReleaseAndClear(active_);
  active_ = active;
  return S_OK;
}

STDMETHODIMP OleBrowserHost::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
STDMETHODIMP OleBrowserHost::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP OleBrowserHost::RemoveMenus(HMENU) { return E_NOTIMPL; }
STDMETHODIMP OleBrowserHost::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP OleBrowserHost::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP OleBrowserHost::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// IDocHostUIHandler

STDMETHODIMP OleBrowserHost::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) {
  return S_FALSE;
}

STDMETHODIMP OleBrowserHost::GetHostInfo(DOCHOSTUIINFO* info) {
  if (!info) return E_POINTER;
  return listener_ ? listener_->GetHostInfo(info) : E_NOTIMPL;
}

STDMETHODIMP OleBrowserHost::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                    IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
  return S_FALSE;
}
STDMETHODIMP OleBrowserHost::HideUI() { return S_OK; }
STDMETHODIMP OleBrowserHost::UpdateUI() { return S_OK; }
STDMETHODIMP OleBrowserHost::OnDocWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP OleBrowserHost::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP OleBrowserHost::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
STDMETHODIMP OleBrowserHost::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_FALSE; }
STDMETHODIMP OleBrowserHost::GetOptionKeyPath(LPOLESTR* key, DWORD) {
  if (key) *key = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP OleBrowserHost::GetDropTarget(IDropTarget*, IDropTarget** replacement) {
  if (replacement) *replacement = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP OleBrowserHost::GetExternal(IDispatch** external) {
  if (external) *external = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP OleBrowserHost::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) {
  if (translated) *translated = nullptr;
  return S_FALSE;
}
STDMETHODIMP OleBrowserHost::FilterDataObject(IDataObject*, IDataObject** replacement) {
  if (replacement) *replacement = nullptr;
  return S_FALSE;
}

// IDispatch: the events

STDMETHODIMP OleBrowserHost::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
STDMETHODIMP OleBrowserHost::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP OleBrowserHost::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

STDMETHODIMP OleBrowserHost::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                    EXCEPINFO*, UINT*) {
  // The document also asks its site for ambient properties through this
  // interface: those it must find missing, so that it keeps its defaults.
  if (id != DISPID_BEFORENAVIGATE2 && id != DISPID_DOCUMENTCOMPLETE) {
    return DISP_E_MEMBERNOTFOUND;
  }
  if (!params) return E_INVALIDARG;
  // A handler may close the view; this object stays until the call ends.
  AddRef();
  if (id == DISPID_BEFORENAVIGATE2) {
    RaiseBeforeNavigate(*params);
  } else {
    RaiseDocumentComplete(*params);
  }
  Release();
  return S_OK;
}

// BeforeNavigate2(browser, url, flags, target frame, posted data, headers,
// cancel): the arguments arrive last first.
void OleBrowserHost::RaiseBeforeNavigate(DISPPARAMS& params) {
  if (!listener_ || params.cArgs != 7) return;
  VARIANT* args = params.rgvarg;
  VARIANT& cancelArg = args[0];
  if (cancelArg.vt != (VT_BYREF | VT_BOOL) || !cancelArg.pboolVal) return;
  PostedBytes posted(args[2]);
  bool cancel = *cancelArg.pboolVal != VARIANT_FALSE;
  listener_->BeforeNavigate(TextOf(args[5]), NumberOf(args[4]), TextOf(args[3]), posted.data(),
                            posted.length(), TextOf(args[1]), &cancel);
  *cancelArg.pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
}

// DocumentComplete(browser, url).
void OleBrowserHost::RaiseDocumentComplete(DISPPARAMS& params) {
  if (!listener_ || params.cArgs != 2) return;
  listener_->DocumentComplete(TextOf(params.rgvarg[0]));
}
