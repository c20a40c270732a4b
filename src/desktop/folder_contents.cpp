#include "desktop/browser_cache.h"
#include "fw/file_find.h"
#include "fw/string.h"

namespace {

bool IsKept(const CString& name) {
  return name == "." || name == ".." || name.CompareNoCase("desktop.ini") == 0;
}

// Clears the read-only bit, and only that bit, so that the entry can go.
void ClearReadOnly(const CString& path) {
  DWORD attributes = ::GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    ::SetFileAttributesA(path, attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  }
}

void DeleteEntry(const CString& path, DWORD listedAttributes) {
  if (!(listedAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    ::DeleteFileA(path);
    return;
  }
  // A junction or symbolic link to a folder may lead out of the cache:
  // it is removed itself, never walked.
  if (!(listedAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) DeleteFolderContents(path);
  ::RemoveDirectoryA(path);
}

}  // namespace

// Failures to delete an entry are not reported: it stays, and the walk goes on.
int DeleteFolderContents(LPCSTR folder) {
  CString pattern;
  pattern.Format("%s\\*.*", folder);
  CFileFind listing;
  if (!listing.FindFile(pattern)) return 0;
  for (BOOL more = TRUE; more;) {
    more = listing.FindNextFile();
    CString name = listing.GetFileName();
    if (IsKept(name)) continue;
    CString path = folder;
    path += '\\';
    path += name;
    ClearReadOnly(path);
    DeleteEntry(path, listing.GetAttributes());
  }
  return 1;
}
