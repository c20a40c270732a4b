#include "desktop/interface_ptr.h"
#include "desktop/shortcuts.h"
#include "fw/string.h"

namespace {

int SaveShellLink(const CString& linkPath, LPCSTR target, LPCSTR workingDirectory) {
  InterfacePtr<IShellLinkA> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.out()))) {
    return 0;
  }
  link->SetPath(target);
  link->SetWorkingDirectory(workingDirectory);

  InterfacePtr<IPersistFile> persist;
  if (FAILED(link->QueryInterface(IID_IPersistFile, persist.out()))) return 0;

  // A link path that does not fit the buffer fails here: nothing is written.
  WCHAR widePath[MAX_PATH];
  if (::MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, MAX_PATH) == 0) return 0;
  return SUCCEEDED(persist->Save(widePath, TRUE)) ? 1 : 0;
}

}  // namespace

int CreateShortcutFile(LPCSTR folder, LPCSTR name, LPCSTR target, LPCSTR workingDirectory) {
  ComApartment apartment;
  if (!apartment.ready()) return 0;
  CString linkPath;
  linkPath.Format("%s\\%s.lnk", folder, name);
  return SaveShellLink(linkPath, target, workingDirectory);
}
