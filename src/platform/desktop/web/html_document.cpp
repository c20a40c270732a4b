#include "platform/desktop/web/html_document.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/desktop/codepage.h"

const IID IID_IHTMLDocument2 = {
    0x332C4425, 0x26CB, 0x11D0, {0xB4, 0x83, 0x00, 0xC0, 0x4F, 0xD9, 0x01, 0x19}};
const IID IID_IHTMLElement = {
    0x3050F1FF, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};
const IID IID_IHTMLBodyElement = {
    0x3050F1D8, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};
const IID IID_IHTMLStyle = {
    0x3050F25E, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};

namespace desktop::web {
namespace {

std::string FromBstr(BSTR text) {
  return text ? Utf16ToUtf8(std::u16string(text, SysStringLen(text))) : std::string();
}

BSTR ToBstr(const std::string& utf8) {
  std::u16string wide = Utf8ToUtf16(utf8);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

HRESULT GetText(const std::string& value, BSTR* out) {
  if (!out) return E_POINTER;
  *out = ToBstr(value);
  return *out ? S_OK : E_OUTOFMEMORY;
}

// QueryInterface's answer: the interface pointer the object offers for the
// asked id (null when it offers none), with a reference for the caller.
HRESULT Answer(void** object, IUnknown* offered) {
  *object = offered;
  if (!offered) return E_NOINTERFACE;
  offered->AddRef();
  return S_OK;
}

// The reference count every object here keeps.
class References {
 public:
  ULONG Add() { return ++count_; }
  ULONG Drop() { return --count_; }

 private:
  ULONG count_ = 1;
};

// IDispatch for objects whose members are reached only through their
// interfaces, not by name.
template <typename Interface>
class WithoutNames : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                          DISPID* ids) override {
    for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }

 protected:
  ~WithoutNames() = default;
};

class HtmlStyle final : public WithoutNames<IHTMLStyle> {
 public:
  explicit HtmlStyle(std::shared_ptr<WebDocument> document) : document_(std::move(document)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    return Answer(object, (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IHTMLStyle)
                              ? static_cast<IHTMLStyle*>(this)
                              : nullptr);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = references_.Drop();
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE put_overflow(BSTR value) override {
    document_->Body().overflow = FromBstr(value);
    document_->BodyChanged();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_overflow(BSTR* value) override {
    return GetText(document_->Body().overflow, value);
  }
  HRESULT STDMETHODCALLTYPE put_border(BSTR value) override {
    document_->Body().border = FromBstr(value);
    document_->BodyChanged();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_border(BSTR* value) override {
    return GetText(document_->Body().border, value);
  }

 private:
  ~HtmlStyle() = default;
  References references_;
  std::shared_ptr<WebDocument> document_;
};

class HtmlBody final : public WithoutNames<IHTMLElement>, public WithoutNames<IHTMLBodyElement> {
 public:
  explicit HtmlBody(std::shared_ptr<WebDocument> document) : document_(std::move(document)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IHTMLElement) {
      return Answer(object, static_cast<IHTMLElement*>(this));
    }
    return Answer(object,
                  iid == IID_IHTMLBodyElement ? static_cast<IHTMLBodyElement*>(this) : nullptr);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = references_.Drop();
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_style(IHTMLStyle** style) override {
    if (!style) return E_POINTER;
    *style = new HtmlStyle(document_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_scroll(BSTR value) override {
    document_->Body().scroll = FromBstr(value);
    document_->BodyChanged();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_scroll(BSTR* value) override {
    return GetText(document_->Body().scroll, value);
  }

 private:
  ~HtmlBody() = default;
  References references_;
  std::shared_ptr<WebDocument> document_;
};

// The page's script object: its members are found by name and called.
class ScriptObject final : public IDispatch {
 public:
  explicit ScriptObject(std::shared_ptr<WebDocument> document) : document_(std::move(document)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    return Answer(object, (iid == IID_IUnknown || iid == IID_IDispatch)
                              ? static_cast<IDispatch*>(this)
                              : nullptr);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = references_.Drop();
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT*) override;

 private:
  ~ScriptObject() = default;
  References references_;
  std::shared_ptr<WebDocument> document_;
  std::vector<std::string> names_;  // DISPID n is names_[n - 1]
};

HRESULT ScriptObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  HRESULT answer = S_OK;
  for (UINT i = 0; i < count; ++i) {
    // Only the member itself has an id; argument names (i > 0) are unknown.
    std::string name = names[i] ? Utf16ToUtf8(names[i]) : std::string();
    if (i > 0 || !document_->HasScriptMember(name)) {
      ids[i] = DISPID_UNKNOWN;
      answer = DISP_E_UNKNOWNNAME;
      continue;
    }
    std::size_t index = 0;
    while (index < names_.size() && names_[index] != name) ++index;
    if (index == names_.size()) names_.push_back(name);
    ids[i] = static_cast<DISPID>(index + 1);
  }
  return answer;
}

std::string ArgumentText(const VARIANT& argument) {
  switch (argument.vt) {
    case VT_BSTR:
      return FromBstr(argument.bstrVal);
    case VT_I4:
      return std::to_string(argument.lVal);
    case VT_BOOL:
      return argument.boolVal ? "true" : "false";
    case VT_NULL:
      return "null";
    default:
      return "undefined";
  }
}

HRESULT ToVariant(const ScriptValue& value, VARIANT* out) {
  VariantInit(out);
  switch (value.kind) {
    case ScriptValue::Kind::kUndefined:
      break;
    case ScriptValue::Kind::kNull:
      out->vt = VT_NULL;
      break;
    case ScriptValue::Kind::kBoolean:
      out->vt = VT_BOOL;
      out->boolVal = value.boolean ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case ScriptValue::Kind::kNumber:
      // Script numbers that are whole and fit come back as integers.
      if (std::trunc(value.number) == value.number &&
          value.number >= std::numeric_limits<LONG>::min() &&
          value.number <= std::numeric_limits<LONG>::max()) {
        out->vt = VT_I4;
        out->lVal = static_cast<LONG>(value.number);
      } else {
        out->vt = VT_R8;
        out->dblVal = value.number;
      }
      break;
    case ScriptValue::Kind::kString:
      out->bstrVal = ToBstr(value.text);
      if (!out->bstrVal) return E_OUTOFMEMORY;
      out->vt = VT_BSTR;
      break;
  }
  return S_OK;
}

HRESULT ScriptObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                             VARIANT* result, EXCEPINFO* exception, UINT*) {
  if (member < 1 || static_cast<std::size_t>(member) > names_.size()) return DISP_E_MEMBERNOTFOUND;
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  std::vector<std::string> arguments;
  if (params) {
    if (params->cArgs > 0 && !params->rgvarg) return E_INVALIDARG;
    // The argument list holds the last argument first.
    for (UINT i = params->cArgs; i > 0; --i)
      arguments.push_back(ArgumentText(params->rgvarg[i - 1]));
  }
  ScriptOutcome outcome =
      document_->CallScript(names_[static_cast<std::size_t>(member) - 1], arguments);
  if (outcome.threw) {
    if (exception) {
      *exception = EXCEPINFO{};
      exception->bstrSource = ToBstr("page script");
      exception->bstrDescription = ToBstr(outcome.error);
      exception->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
  }
  if (!result) return S_OK;
  return ToVariant(outcome.value, result);
}

class HtmlDocument final : public WithoutNames<IHTMLDocument2> {
 public:
  explicit HtmlDocument(std::shared_ptr<WebDocument> document) : document_(std::move(document)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    return Answer(object, (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IHTMLDocument2)
                              ? static_cast<IHTMLDocument2*>(this)
                              : nullptr);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = references_.Drop();
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_Script(IDispatch** script) override {
    if (!script) return E_POINTER;
    *script = new ScriptObject(document_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_body(IHTMLElement** body) override {
    if (!body) return E_POINTER;
    *body = static_cast<IHTMLElement*>(new HtmlBody(document_));
    return S_OK;
  }

 private:
  ~HtmlDocument() = default;
  References references_;
  std::shared_ptr<WebDocument> document_;
};

}  // namespace

IHTMLDocument2* NewHtmlDocument(std::shared_ptr<WebDocument> document) {
  return new HtmlDocument(std::move(document));
}

}  // namespace desktop::web
