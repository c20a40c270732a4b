// The shell link object (CLSID_ShellLink): the fields of a shortcut, set
// through IShellLinkA and saved through IPersistFile as a shell link file.
#pragma once

#include <string>

#include "platform/api/shell_functions.h"
#include "platform/desktop/lnk_writer.h"

namespace desktop {

class ShellLink final : public IShellLinkA, public IPersistFile {
 public:
  // A new object with one reference, through the interface asked for.
  static HRESULT Create(REFIID iid, void** object);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IShellLinkA
  HRESULT STDMETHODCALLTYPE GetPath(LPSTR file, int size, WIN32_FIND_DATAA* data,
                                    DWORD flags) override;
  HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE* idList) override;
  HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE idList) override;
  HRESULT STDMETHODCALLTYPE GetDescription(LPSTR name, int size) override;
  HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR name) override;
  HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR dir, int size) override;
  HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR dir) override;
  HRESULT STDMETHODCALLTYPE GetArguments(LPSTR args, int size) override;
  HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR args) override;
  HRESULT STDMETHODCALLTYPE GetHotkey(WORD* hotkey) override;
  HRESULT STDMETHODCALLTYPE SetHotkey(WORD hotkey) override;
  HRESULT STDMETHODCALLTYPE GetShowCmd(int* showCmd) override;
  HRESULT STDMETHODCALLTYPE SetShowCmd(int showCmd) override;
  HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR iconPath, int size, int* icon) override;
  HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR iconPath, int icon) override;
  HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR relativePath, DWORD reserved) override;
  HRESULT STDMETHODCALLTYPE Resolve(HWND owner, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE SetPath(LPCSTR file) override;

  // IPersistFile
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* classId) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(LPCOLESTR fileName, DWORD mode) override;
  HRESULT STDMETHODCALLTYPE Save(LPCOLESTR fileName, BOOL remember) override;
  HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR fileName) override;
  HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR* fileName) override;

 private:
  ShellLink() = default;
  ~ShellLink() = default;
  HRESULT Set(std::string& field, LPCSTR value);

  ULONG references_ = 1;
  ShellLinkFields fields_;
  std::u16string currentFile_;
  bool dirty_ = false;
};

}  // namespace desktop
