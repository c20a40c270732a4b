// Counted wide strings and variants, laid out as OLE Automation lays them
// out: a BSTR points just past a 32-bit byte count and ends with a wide
// terminator that the count does not include.
#include <cstdlib>
#include <cstring>

#include "platform/api/oleauto_functions.h"

const IID IID_NULL = {0x00000000, 0x0000, 0x0000, {0, 0, 0, 0, 0, 0, 0, 0}};
const IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

namespace {

DWORD* CountOf(BSTR text) { return reinterpret_cast<DWORD*>(text) - 1; }

}  // namespace

BSTR WINAPI SysAllocStringLen(const OLECHAR* text, UINT length) {
  std::size_t bytes = static_cast<std::size_t>(length) * sizeof(OLECHAR);
  auto* block = static_cast<BYTE*>(std::malloc(sizeof(DWORD) + bytes + sizeof(OLECHAR)));
  if (!block) return nullptr;
  DWORD count = static_cast<DWORD>(bytes);
  std::memcpy(block, &count, sizeof count);
  auto* chars = reinterpret_cast<OLECHAR*>(block + sizeof(DWORD));
  if (text) {
    std::memcpy(chars, text, bytes);
  } else {
    std::memset(chars, 0, bytes);
  }
  chars[length] = 0;
  return chars;
}

BSTR WINAPI SysAllocString(const OLECHAR* text) {
  if (!text) return nullptr;
  UINT length = 0;
  while (text[length] != 0) ++length;
  return SysAllocStringLen(text, length);
}

void WINAPI SysFreeString(BSTR text) {
  if (text) std::free(CountOf(text));
}

UINT WINAPI SysStringLen(BSTR text) {
  return text ? static_cast<UINT>(*CountOf(text) / sizeof(OLECHAR)) : 0;
}

void WINAPI VariantInit(VARIANTARG* variant) {
  variant->vt = VT_EMPTY;
  variant->wReserved1 = variant->wReserved2 = variant->wReserved3 = 0;
}

HRESULT WINAPI VariantClear(VARIANTARG* variant) {
  if (!variant) return E_INVALIDARG;
  switch (variant->vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I4:
    case VT_R8:
    case VT_ERROR:
    case VT_BOOL:
      break;
    case VT_BSTR:
      SysFreeString(variant->bstrVal);
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      if (variant->punkVal) variant->punkVal->Release();
      break;
    default:
      return DISP_E_BADVARTYPE;
  }
  variant->vt = VT_EMPTY;
  return S_OK;
}

HRESULT WINAPI VariantCopy(VARIANTARG* destination, const VARIANTARG* source) {
  if (!destination || !source) return E_INVALIDARG;
  if (destination == source) return S_OK;
  switch (source->vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I4:
    case VT_R8:
    case VT_ERROR:
    case VT_BOOL:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_UNKNOWN:
      break;
    default:
      return DISP_E_BADVARTYPE;
  }
  HRESULT cleared = VariantClear(destination);
  if (FAILED(cleared)) return cleared;
  *destination = *source;
  if (source->vt == VT_BSTR && source->bstrVal) {
    destination->bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
    if (!destination->bstrVal) {
      destination->vt = VT_EMPTY;
      return E_OUTOFMEMORY;
    }
  } else if ((source->vt == VT_DISPATCH || source->vt == VT_UNKNOWN) && source->punkVal) {
    source->punkVal->AddRef();
  }
  return S_OK;
}
