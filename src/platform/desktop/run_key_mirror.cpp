#include "platform/desktop/run_key_mirror.h"

#include "platform/api/registry_functions.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/host.h"
#include "platform/desktop/state.h"

namespace desktop {
namespace {

constexpr char kRunBelowRoot[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace

bool IsRunKey(const std::string& path) {
  std::string folded = FoldCase936(path);
  return folded == FoldCase936(std::string("HKEY_LOCAL_MACHINE") + kRunBelowRoot) ||
         folded == FoldCase936(std::string("HKEY_CURRENT_USER") + kRunBelowRoot);
}

void FollowStartupEntry(RegistryStore::Key& key, const std::string& name) {
  if (!IsRunKey(key.path)) return;
  std::optional<StartupEntryState> entry = Current().host->StartupEntry(name);
  if (!entry) return;
  RegistryStore& registry = *Current().registry;
  bool valueThere = registry.FindValue(key, name) != nullptr;
  if (entry->present && !valueThere) {
    registry.SetValue(key, name, REG_SZ, entry->cp936CommandLine + '\0');
  } else if (!entry->present && valueThere) {
    registry.DeleteValue(key, name);
  }
}

void StartupValueSet(const RegistryStore::Key& key, const std::string& name, DWORD type,
                     const std::string& data) {
  if (!IsRunKey(key.path)) return;
  if (type != REG_SZ && type != REG_EXPAND_SZ) {
    Current().host->StartupCommandDeleted(name);  // no command line: nothing to start
    return;
  }
  Current().host->StartupCommandSet(name, data.substr(0, data.find('\0')));
}

void StartupValueDeleted(const RegistryStore::Key& key, const std::string& name) {
  if (IsRunKey(key.path)) Current().host->StartupCommandDeleted(name);
}

}  // namespace desktop
