// COM as far as the program uses it: the thread's apartment, task memory
// and object creation. The only class this desktop serves is the shell
// link object.
#include <cstdlib>

#include "platform/api/com_functions.h"
#include "platform/api/shell_functions.h"
#include "platform/desktop/shell_link.h"
#include "platform/desktop/state.h"

const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

HRESULT WINAPI CoInitialize(LPVOID) {
  // S_FALSE when the thread's apartment exists already; either answer must
  // be balanced by CoUninitialize.
  return desktop::Current().comInitCount++ == 0 ? S_OK : S_FALSE;
}

void WINAPI CoUninitialize() {
  int& count = desktop::Current().comInitCount;
  if (count > 0) --count;
}

HRESULT WINAPI CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid,
                                LPVOID* object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (desktop::Current().comInitCount == 0) return CO_E_NOTINITIALIZED;
  if (clsid != CLSID_ShellLink || !(context & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;
  if (outer) return CLASS_E_NOAGGREGATION;
  return desktop::ShellLink::Create(iid, object);
}

LPVOID WINAPI CoTaskMemAlloc(SIZE_T size) { return std::malloc(size ? size : 1); }
void WINAPI CoTaskMemFree(LPVOID memory) { std::free(memory); }
