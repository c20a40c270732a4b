#include "platform/desktop/shell_link.h"

#include <cstring>
#include <new>

#include "platform/api/kernel_functions.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/host.h"
#include "platform/desktop/state.h"

const CLSID CLSID_ShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IPersist = {0x0000010C, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

namespace desktop {
namespace {

// Copies `text` into a caller's buffer of `size` bytes, cut to fit.
HRESULT CopyOut(const std::string& text, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return E_INVALIDARG;
  std::size_t length = CharacterSafePrefix(text, static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return text.empty() ? S_FALSE : S_OK;
}

std::u16string WideOf(LPCOLESTR text) {
  std::u16string out;
  for (; *text; ++text) out.push_back(*text);
  return out;
}

}  // namespace

HRESULT ShellLink::Create(REFIID iid, void** object) {
  auto* link = new (std::nothrow) ShellLink();
  if (!link) return E_OUTOFMEMORY;
  HRESULT result = link->QueryInterface(iid, object);
  link->Release();  // the interface asked for holds the only reference
  return result;
}

HRESULT ShellLink::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IShellLinkA) {
    *object = static_cast<IShellLinkA*>(this);
  } else if (iid == IID_IPersist || iid == IID_IPersistFile) {
    *object = static_cast<IPersistFile*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG ShellLink::AddRef() { return ++references_; }

ULONG ShellLink::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ShellLink::Set(std::string& field, LPCSTR value) {
  field = value ? value : "";
  dirty_ = true;
  return S_OK;
}

HRESULT ShellLink::GetPath(LPSTR file, int size, WIN32_FIND_DATAA* data, DWORD) {
  if (data) {
    std::memset(data, 0, sizeof *data);
    std::size_t length = CharacterSafePrefix(fields_.target, MAX_PATH - 1);
    std::memcpy(data->cFileName, fields_.target.data(), length);
  }
  return CopyOut(fields_.target, file, size);
}

HRESULT ShellLink::GetIDList(PIDLIST_ABSOLUTE* idList) {
  if (idList) *idList = nullptr;
  return E_NOTIMPL;  // the link keeps its target as a path only
}
HRESULT ShellLink::SetIDList(PCIDLIST_ABSOLUTE idList) {
  char path[MAX_PATH];
  if (!SHGetPathFromIDListA(idList, path)) return E_INVALIDARG;
  return Set(fields_.target, path);
}
HRESULT ShellLink::GetDescription(LPSTR name, int size) {
  CopyOut(fields_.description, name, size);
  return name && size > 0 ? S_OK : E_INVALIDARG;
}
HRESULT ShellLink::SetDescription(LPCSTR name) { return Set(fields_.description, name); }
HRESULT ShellLink::GetWorkingDirectory(LPSTR dir, int size) {
  CopyOut(fields_.workingDirectory, dir, size);
  return dir && size > 0 ? S_OK : E_INVALIDARG;
}
HRESULT ShellLink::SetWorkingDirectory(LPCSTR dir) { return Set(fields_.workingDirectory, dir); }
HRESULT ShellLink::GetArguments(LPSTR args, int size) {
  CopyOut(fields_.arguments, args, size);
  return args && size > 0 ? S_OK : E_INVALIDARG;
}
HRESULT ShellLink::SetArguments(LPCSTR args) { return Set(fields_.arguments, args); }
HRESULT ShellLink::GetHotkey(WORD* hotkey) {
  if (!hotkey) return E_INVALIDARG;
  *hotkey = fields_.hotkey;
  return S_OK;
}
HRESULT ShellLink::SetHotkey(WORD hotkey) {
  fields_.hotkey = hotkey;
  dirty_ = true;
  return S_OK;
}
HRESULT ShellLink::GetShowCmd(int* showCmd) {
  if (!showCmd) return E_INVALIDARG;
  *showCmd = fields_.showCommand;
  return S_OK;
}
HRESULT ShellLink::SetShowCmd(int showCmd) {
  fields_.showCommand = showCmd;
  dirty_ = true;
  return S_OK;
}
HRESULT ShellLink::GetIconLocation(LPSTR iconPath, int size, int* icon) {
  if (icon) *icon = fields_.iconIndex;
  CopyOut(fields_.iconLocation, iconPath, size);
  return iconPath && size > 0 ? S_OK : E_INVALIDARG;
}
HRESULT ShellLink::SetIconLocation(LPCSTR iconPath, int icon) {
  fields_.iconIndex = icon;
  return Set(fields_.iconLocation, iconPath);
}
HRESULT ShellLink::SetRelativePath(LPCSTR, DWORD) { return S_OK; }
HRESULT ShellLink::Resolve(HWND, DWORD) { return S_OK; }
HRESULT ShellLink::SetPath(LPCSTR file) {
  if (!file) return E_INVALIDARG;
  HRESULT stored = Set(fields_.target, file);
  if (FAILED(stored)) return stored;
  // The shell keeps a target it cannot find, but says so.
  return GetFileAttributesA(file) == INVALID_FILE_ATTRIBUTES ? S_FALSE : S_OK;
}

HRESULT ShellLink::GetClassID(CLSID* classId) {
  if (!classId) return E_POINTER;
  *classId = CLSID_ShellLink;
  return S_OK;
}

HRESULT ShellLink::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

HRESULT ShellLink::Load(LPCOLESTR, DWORD) { return E_NOTIMPL; }

// Writes the link file through the desktop's own file functions, so that
// sharing, missing folders and long names fail as any file write would.
HRESULT ShellLink::Save(LPCOLESTR fileName, BOOL remember) {
  std::u16string name = fileName ? WideOf(fileName) : currentFile_;
  if (name.empty()) return E_INVALIDARG;
  std::string path = Utf16ToCp936(name);
  std::string bytes = EncodeShellLink(fields_);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  DWORD error = GetLastError();
  CloseHandle(file);
  if (!ok || written != bytes.size()) return HRESULT_FROM_WIN32(error ? error : ERROR_ACCESS_DENIED);
  Observer().ShortcutSaved(path);
  Current().host->ShortcutSaved(path, fields_);
  if (remember) {
    currentFile_ = name;
    dirty_ = false;
  }
  return S_OK;
}

HRESULT ShellLink::SaveCompleted(LPCOLESTR) { return S_OK; }

HRESULT ShellLink::GetCurFile(LPOLESTR* fileName) {
  if (!fileName) return E_POINTER;
  *fileName = nullptr;
  if (currentFile_.empty()) return S_FALSE;
  auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc((currentFile_.size() + 1) * sizeof(OLECHAR)));
  if (!copy) return E_OUTOFMEMORY;
  std::memcpy(copy, currentFile_.c_str(), (currentFile_.size() + 1) * sizeof(OLECHAR));
  *fileName = copy;
  return S_OK;
}

}  // namespace desktop
