// CHtmlCtrl::CallScriptFunction: a late-bound call into the page's script.
#include <vector>

#include "browser/com_ref.h"
#include "browser/html_ctrl.h"

namespace {

VARIANT Failure() {
  VARIANT result;
  ::VariantInit(&result);
  result.vt = VT_BOOL;
  result.boolVal = VARIANT_FALSE;
  return result;
}

// The script's arguments, last first, as the dispatch call takes them;
// cleared when the call is over.
class ArgumentList {
 public:
  explicit ArgumentList(const CStringArray& arguments)
      : items_(static_cast<std::size_t>(arguments.GetSize())) {
    std::size_t count = items_.size();
    for (std::size_t i = 0; i < count; ++i) {
      VARIANT& item = items_[count - 1 - i];
      ::VariantInit(&item);
      Bstr text(arguments.GetAt(static_cast<INT_PTR>(i)).GetString());
      item.vt = VT_BSTR;
      item.bstrVal = text.release();
    }
  }
  ~ArgumentList() {
    for (VARIANT& item : items_) ::VariantClear(&item);
  }
  ArgumentList(const ArgumentList&) = delete;
  ArgumentList& operator=(const ArgumentList&) = delete;

  DISPPARAMS params() {
    return DISPPARAMS{items_.empty() ? nullptr : items_.data(), nullptr,
                      static_cast<UINT>(items_.size()), 0};
  }

 private:
  std::vector<VARIANT> items_;
};

}  // namespace

VARIANT CHtmlCtrl::CallScriptFunction(const CString& name, const CStringArray& arguments) {
  // Keep the current document; GetHtmlDocument's reference is the one kept.
  IDispatch* current = GetHtmlDocument();
  if (current != CachedDocument) {
    if (CachedDocument) CachedDocument->Release();
    CachedDocument = current;
  } else if (current) {
    current->Release();
  }
  if (!CachedDocument) return Failure();

  ComRef<IHTMLDocument2> document;
  if (FAILED(CachedDocument->QueryInterface(IID_IHTMLDocument2, document.receiveAny())) ||
      !document) {
    return Failure();
  }
  ComRef<IDispatch> script;
  if (FAILED(document->get_Script(script.receive())) || !script) return Failure();

  Bstr member(name.GetString());
  if (!member.get()) return Failure();
  LPOLESTR names[1] = {member.get()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(script->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &id))) {
    return Failure();
  }

  ArgumentList list(arguments);
  DISPPARAMS params = list.params();
  VARIANT result;
  ::VariantInit(&result);
  EXCEPINFO exception{};
  UINT argumentError = 0;
  HRESULT called = script->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, &exception,
                                  &argumentError);
  // The exception record is not read, but its strings are ours to free.
  ::SysFreeString(exception.bstrSource);
  ::SysFreeString(exception.bstrDescription);
  ::SysFreeString(exception.bstrHelpFile);
  if (FAILED(called)) {
    ::VariantClear(&result);
    return Failure();
  }

  VARIANT copy;
  ::VariantInit(&copy);
  HRESULT copied = ::VariantCopy(&copy, &result);
  ::VariantClear(&result);
  if (FAILED(copied)) {
    copy.vt = VT_ERROR;
    copy.scode = copied;
  }
  return copy;
}
