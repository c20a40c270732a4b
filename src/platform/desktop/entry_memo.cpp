#include "platform/desktop/entry_memo.h"

#include <utility>

namespace desktop {

void EntryMemo::Remember(ListedEntry entry) {
  Forget(entry.realPath);
  entries_[oldest_] = std::move(entry);
  oldest_ = (oldest_ + 1) % kEntries;
}

const ListedEntry* EntryMemo::Find(const std::string& realPath) const {
  for (const auto& entry : entries_) {
    if (entry && entry->realPath == realPath) return &*entry;
  }
  return nullptr;
}

const ListedEntry* EntryMemo::FindByWindowsPath(const std::string& windowsPath) const {
  for (const auto& entry : entries_) {
    if (entry && entry->windowsPath == windowsPath) return &*entry;
  }
  return nullptr;
}

void EntryMemo::Forget(const std::string& realPath) {
  for (auto& entry : entries_) {
    if (!entry) continue;
    const std::string& path = entry->realPath;
    bool below = path.size() > realPath.size() && path.compare(0, realPath.size(), realPath) == 0 &&
                 (path[realPath.size()] == '/' || realPath == "/");
    if (path == realPath || below) entry.reset();
  }
}

void EntryMemo::ForgetFile(unsigned long long device, unsigned long long inode) {
  for (auto& entry : entries_) {
    if (entry && static_cast<unsigned long long>(entry->st.st_dev) == device &&
        static_cast<unsigned long long>(entry->st.st_ino) == inode) {
      entry.reset();
    }
  }
}

void EntryMemo::ForgetFolder(int folderFd) {
  for (auto& entry : entries_) {
    if (entry && entry->folderFd == folderFd) entry.reset();
  }
}

}  // namespace desktop
