// CFileFind: walks the entries that match a path or wildcard pattern, over
// FindFirstFileA and FindNextFileA. As in the framework it imitates,
// FindFile opens the search and each FindNextFile steps to the next entry
// (the first call to the first one); FindNextFile answers FALSE when the
// entry it stepped to is the last.
#pragma once

#include "fw/string.h"

class CFileFind {
 public:
  CFileFind() = default;
  virtual ~CFileFind();
  CFileFind(const CFileFind&) = delete;
  CFileFind& operator=(const CFileFind&) = delete;

  // `name`: a path or pattern; null means "*.*" in the current folder.
  virtual BOOL FindFile(LPCSTR name = nullptr, DWORD unused = 0);
  virtual BOOL FindNextFile();
  void Close();

  // The entry FindNextFile stepped to.
  CString GetFileName() const;
  CString GetFilePath() const;  // the folder of the pattern, "\", the name
  CString GetRoot() const { return root_; }
  DWORD GetAttributes() const { return found_.dwFileAttributes; }
  BOOL MatchesMask(DWORD mask) const { return (found_.dwFileAttributes & mask) != 0; }
  BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
  BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
  BOOL IsDots() const;

 private:
  HANDLE find_ = INVALID_HANDLE_VALUE;
  CString root_;
  WIN32_FIND_DATAA found_{};
  WIN32_FIND_DATAA next_{};
  bool hasNext_ = false;
  bool stepped_ = false;
};
