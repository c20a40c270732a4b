// The registry's content: keys named by their full path under a root
// ("HKEY_LOCAL_MACHINE\Software\..."), compared without regard to case, each
// with its values. The content is kept in a file of the run's root folder,
// so that every program run on the same root sees the same registry, as
// every process on one machine does.
#pragma once

#include <map>
#include <string>

#include "platform/api/win_types.h"

namespace desktop {

class RegistryStore {
 public:
  struct Value {
    std::string name;  // as written, code page 936 bytes
    DWORD type = 0;
    std::string data;
  };
  struct Key {
    std::string path;  // as created
    std::map<std::string, Value> values;  // by lower-case name
  };

  // Reads `file` when it exists; otherwise starts with the keys every
  // Windows installation has. Every change is written back to it.
  explicit RegistryStore(std::string file);

  // Reads the file again first when another run has changed it.
  Key* Find(const std::string& path);
  Key& Create(const std::string& path);

  void SetValue(Key& key, const std::string& name, DWORD type, std::string data);
  bool DeleteValue(Key& key, const std::string& name);
  const Value* FindValue(const Key& key, const std::string& name) const;

 private:
  void Load();
  void Save();
  std::string FileStamp() const;

  std::string stamp_;  // the file's change time and size when last read or written
  std::string file_;
  std::map<std::string, Key> keys_;  // by lower-case path
};

}  // namespace desktop
