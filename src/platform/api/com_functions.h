// COM as far as the program uses it (OLE32 in Windows' terms): apartments,
// object creation, task memory, and the interface base IUnknown.
#pragma once

#include "platform/api/win_types.h"

#define STDMETHODCALLTYPE

struct GUID {
  DWORD Data1;
  WORD Data2;
  WORD Data3;
  BYTE Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline bool operator==(const GUID& a, const GUID& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i) {
    if (a.Data4[i] != b.Data4[i]) return false;
  }
  return true;
}
inline bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }

#define S_OK (static_cast<HRESULT>(0))
#define S_FALSE (static_cast<HRESULT>(1))
#define E_NOTIMPL (static_cast<HRESULT>(0x80004001L))
#define E_NOINTERFACE (static_cast<HRESULT>(0x80004002L))
#define E_POINTER (static_cast<HRESULT>(0x80004003L))
#define E_FAIL (static_cast<HRESULT>(0x80004005L))
#define E_OUTOFMEMORY (static_cast<HRESULT>(0x8007000EL))
#define E_INVALIDARG (static_cast<HRESULT>(0x80070057L))
#define CLASS_E_NOAGGREGATION (static_cast<HRESULT>(0x80040110L))
#define REGDB_E_CLASSNOTREG (static_cast<HRESULT>(0x80040154L))
#define CO_E_NOTINITIALIZED (static_cast<HRESULT>(0x800401F0L))
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)
#define HRESULT_FROM_WIN32(x)                                      \
  (static_cast<HRESULT>(x) <= 0 ? static_cast<HRESULT>(x)          \
                                : static_cast<HRESULT>(((x) & 0x0000FFFF) | 0x80070000))

#define CLSCTX_INPROC_SERVER 0x1

using OLECHAR = WCHAR;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;

extern const IID IID_IUnknown;

struct IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  ~IUnknown() = default;  // objects are released, never deleted through an interface
};
using LPUNKNOWN = IUnknown*;

HRESULT WINAPI CoInitialize(LPVOID reserved);
void WINAPI CoUninitialize();
HRESULT WINAPI CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid,
                                LPVOID* object);
LPVOID WINAPI CoTaskMemAlloc(SIZE_T size);
void WINAPI CoTaskMemFree(LPVOID memory);
