// The Run keys (the machine's and the user's) where the host keeps the
// desktop's own start-up entries: each value set or deleted is told to the
// host, and before a value is read or deleted it follows the host's entry
// of its name, which the user may have removed (or an earlier run written)
// meanwhile. Headless hosts keep no entries: the registry alone answers.
#pragma once

#include <string>

#include "platform/desktop/registry_store.h"

namespace desktop {

bool IsRunKey(const std::string& path);

// Brings the value `name` of a Run key in line with the host's entry: the
// value appears (with the entry's command line) or goes with the entry.
void FollowStartupEntry(RegistryStore::Key& key, const std::string& name);

void StartupValueSet(const RegistryStore::Key& key, const std::string& name, DWORD type,
                     const std::string& data);
void StartupValueDeleted(const RegistryStore::Key& key, const std::string& name);

}  // namespace desktop
