// The registry functions over the run's registry. The machine's part
// (HKEY_LOCAL_MACHINE) is writable only by an elevated user: a standard
// user is refused any write access when opening a key there, as under UAC.
#include <cstring>
#include <optional>

#include "platform/api/registry_functions.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/registry_store.h"
#include "platform/desktop/run_key_mirror.h"
#include "platform/desktop/state.h"

using desktop::Current;

namespace {

constexpr REGSAM kWriteRights =
    KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC | WRITE_OWNER;
constexpr const char kMachineRoot[] = "HKEY_LOCAL_MACHINE";

std::optional<std::string> RootName(HKEY key) {
  if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
  if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
  if (key == HKEY_LOCAL_MACHINE) return kMachineRoot;
  if (key == HKEY_USERS) return "HKEY_USERS";
  return std::nullopt;
}

desktop::OpenRegistryKey* FindOpen(HKEY key) {
  auto& keys = Current().registryKeys;
  auto it = keys.find(reinterpret_cast<ULONG_PTR>(key));
  return it == keys.end() ? nullptr : &it->second;
}

// The full path a handle stands for: a predefined root or an open key.
std::optional<std::string> PathOf(HKEY key) {
  if (auto root = RootName(key)) return root;
  if (auto* open = FindOpen(key)) return open->path;
  return std::nullopt;
}

bool IsMachineKey(const std::string& path) {
  return desktop::FoldCase936(path.substr(0, std::strlen(kMachineRoot))) ==
         desktop::FoldCase936(kMachineRoot);
}

// The key behind an open handle, with the access the handle was opened for.
LSTATUS Resolve(HKEY handle, REGSAM needed, desktop::RegistryStore::Key** key) {
  desktop::OpenRegistryKey* open = FindOpen(handle);
  std::optional<std::string> path = PathOf(handle);
  if (!path) return ERROR_INVALID_HANDLE;
  if (open && (open->access & needed) != needed) return ERROR_ACCESS_DENIED;
  *key = Current().registry->Find(*path);
  if (!*key) *key = &Current().registry->Create(*path);  // a predefined root always exists
  return ERROR_SUCCESS;
}

}  // namespace

LSTATUS WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  std::optional<std::string> base = PathOf(key);
  if (!base) return ERROR_INVALID_HANDLE;
  std::string path = *base;
  if (subKey && *subKey) {
    std::string sub = subKey;
    while (!sub.empty() && sub.back() == '\\') sub.pop_back();
    if (!sub.empty() && sub.front() == '\\') return ERROR_FILE_NOT_FOUND;
    path += "\\" + sub;
  }
  desktop::State& state = Current();
  bool predefinedRoot = path == *base && RootName(key).has_value();
  if (!predefinedRoot && !state.registry->Find(path)) return ERROR_FILE_NOT_FOUND;
  if (IsMachineKey(path) && !state.elevatedUser && (access & kWriteRights)) {
    return ERROR_ACCESS_DENIED;
  }
  ULONG_PTR handle = state.nextRegistryKey;
  state.nextRegistryKey += 4;
  state.registryKeys[handle] = desktop::OpenRegistryKey{path, access};
  *result = reinterpret_cast<HKEY>(handle);
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegSetValueExA(HKEY handle, LPCSTR name, DWORD, DWORD type, const BYTE* data,
                              DWORD size) {
  desktop::RegistryStore::Key* key = nullptr;
  if (LSTATUS status = Resolve(handle, KEY_SET_VALUE, &key)) return status;
  if (!data && size) return ERROR_NOACCESS;
  std::string bytes = data ? std::string(reinterpret_cast<const char*>(data), size) : "";
  Current().registry->SetValue(*key, name ? name : "", type, bytes);
  desktop::Observer().RegistryValueSet(key->path, name ? name : "", type, bytes);
  desktop::StartupValueSet(*key, name ? name : "", type, bytes);
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExA(HKEY handle, LPCSTR name, LPDWORD reserved, LPDWORD type,
                                LPBYTE data, LPDWORD size) {
  if (reserved) return ERROR_INVALID_PARAMETER;
  if (data && !size) return ERROR_INVALID_PARAMETER;
  desktop::RegistryStore::Key* key = nullptr;
  if (LSTATUS status = Resolve(handle, KEY_QUERY_VALUE, &key)) return status;
  desktop::FollowStartupEntry(*key, name ? name : "");
  const auto* value = Current().registry->FindValue(*key, name ? name : "");
  if (!value) return ERROR_FILE_NOT_FOUND;
  if (type) *type = value->type;
  if (!size) return ERROR_SUCCESS;
  DWORD needed = static_cast<DWORD>(value->data.size());
  DWORD room = *size;
  *size = needed;
  if (!data) return ERROR_SUCCESS;
  if (room < needed) return ERROR_MORE_DATA;
  std::memcpy(data, value->data.data(), needed);
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegDeleteValueA(HKEY handle, LPCSTR name) {
  desktop::RegistryStore::Key* key = nullptr;
  if (LSTATUS status = Resolve(handle, KEY_SET_VALUE, &key)) return status;
  desktop::FollowStartupEntry(*key, name ? name : "");
  if (!Current().registry->DeleteValue(*key, name ? name : "")) return ERROR_FILE_NOT_FOUND;
  desktop::Observer().RegistryValueDeleted(key->path, name ? name : "");
  desktop::StartupValueDeleted(*key, name ? name : "");
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCloseKey(HKEY key) {
  if (RootName(key)) return ERROR_SUCCESS;
  return Current().registryKeys.erase(reinterpret_cast<ULONG_PTR>(key)) ? ERROR_SUCCESS
                                                                         : ERROR_INVALID_HANDLE;
}
