// The look-ups of the last few entries that folder listings returned, kept
// so that the calls a program makes next for those entries (their
// attributes, their deletion) need no look-up of their own: a walk that
// lists, inspects and deletes costs one look-up per entry instead of
// several. A few, because a listing is read one entry ahead (CFileFind)
// and a walk holds one listing per level. The file system forgets an
// entry whenever it changes it, so the memo never answers for an entry as
// it was before a change made through the desktop; and an entry goes
// with its listing, whose open folder it names.
#pragma once

#include <sys/stat.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace desktop {

struct ListedEntry {
  std::string windowsPath;  // as the program names it: the listing's folder, "\", the listed name
  std::string realPath;
  int folderFd;      // the listing's open folder
  std::string name;  // the entry's real name in that folder
  struct stat st;    // its lstat
};

class EntryMemo {
 public:
  // The newest look-up of a path replaces an older one; when the memo is
  // full, the oldest entry goes.
  void Remember(ListedEntry entry);
  // The remembered entry at `realPath`, or null.
  const ListedEntry* Find(const std::string& realPath) const;
  // The remembered entry the program names `windowsPath`, or null.
  const ListedEntry* FindByWindowsPath(const std::string& windowsPath) const;
  // After a change at `realPath`: forgets it and every entry below it.
  void Forget(const std::string& realPath);
  // After a change to a file: forgets every name of it (its hard links).
  void ForgetFile(unsigned long long device, unsigned long long inode);
  // The listing of the open folder `folderFd` is closing.
  void ForgetFolder(int folderFd);

 private:
  static constexpr std::size_t kEntries = 4;
  std::array<std::optional<ListedEntry>, kEntries> entries_;
  std::size_t oldest_ = 0;
};

}  // namespace desktop
