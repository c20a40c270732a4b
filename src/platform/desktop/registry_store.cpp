#include "platform/desktop/registry_store.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "platform/desktop/codepage.h"

namespace desktop {
namespace {

const char* const kStandardKeys[] = {
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
};

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 0xF]);
  }
  return out.empty() ? "-" : out;
}

std::string Unhex(const std::string& text) {
  std::string out;
  if (text == "-") return out;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    out.push_back(static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16)));
  }
  return out;
}

}  // namespace

RegistryStore::RegistryStore(std::string file) : file_(std::move(file)) {
  std::ifstream probe(file_);
  if (probe) {
    Load();
    return;
  }
  for (const char* path : kStandardKeys) keys_[FoldCase936(path)].path = path;
  Save();
}

std::string RegistryStore::FileStamp() const {
  struct stat st;
  if (stat(file_.c_str(), &st) != 0) return {};
  return std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + ":" +
         std::to_string(st.st_size);
}

RegistryStore::Key* RegistryStore::Find(const std::string& path) {
  if (FileStamp() != stamp_) Load();
  auto it = keys_.find(FoldCase936(path));
  return it == keys_.end() ? nullptr : &it->second;
}

RegistryStore::Key& RegistryStore::Create(const std::string& path) {
  Key& key = keys_[FoldCase936(path)];
  if (key.path.empty()) {
    key.path = path;
    Save();
  }
  return key;
}

void RegistryStore::SetValue(Key& key, const std::string& name, DWORD type, std::string data) {
  key.values[FoldCase936(name)] = Value{name, type, std::move(data)};
  Save();
}

bool RegistryStore::DeleteValue(Key& key, const std::string& name) {
  if (key.values.erase(FoldCase936(name)) == 0) return false;
  Save();
  return true;
}

const RegistryStore::Value* RegistryStore::FindValue(const Key& key,
                                                      const std::string& name) const {
  auto it = key.values.find(FoldCase936(name));
  return it == key.values.end() ? nullptr : &it->second;
}

// One line a key ("key HEX-PATH") followed by one line a value
// ("value HEX-NAME TYPE HEX-DATA"); hex keeps any byte safe.
void RegistryStore::Load() {
  keys_.clear();
  stamp_ = FileStamp();
  std::ifstream in(file_);
  std::string line;
  Key* current = nullptr;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string kind, name, data;
    DWORD type = 0;
    fields >> kind;
    if (kind == "key" && fields >> name) {
      std::string path = Unhex(name);
      current = &keys_[FoldCase936(path)];
      current->path = path;
    } else if (kind == "value" && current && fields >> name >> type >> data) {
      std::string valueName = Unhex(name);
      current->values[FoldCase936(valueName)] = Value{valueName, type, Unhex(data)};
    }
  }
}

void RegistryStore::Save() {
  {
    std::ofstream out(file_, std::ios::trunc);
    for (const auto& [folded, key] : keys_) {
      out << "key " << Hex(key.path) << "\n";
      for (const auto& [foldedName, value] : key.values) {
        out << "value " << Hex(value.name) << " " << value.type << " " << Hex(value.data) << "\n";
      }
    }
  }
  stamp_ = FileStamp();
}

}  // namespace desktop
