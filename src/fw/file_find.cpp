#include "fw/file_find.h"

#include <cstring>

CFileFind::~CFileFind() { Close(); }

void CFileFind::Close() {
  if (find_ != INVALID_HANDLE_VALUE) ::FindClose(find_);
  find_ = INVALID_HANDLE_VALUE;
  hasNext_ = false;
  stepped_ = false;
}

BOOL CFileFind::FindFile(LPCSTR name, DWORD) {
  Close();
  CString pattern = name ? name : "*.*";
  HANDLE find = ::FindFirstFileA(pattern, &next_);
  if (find == INVALID_HANDLE_VALUE) return FALSE;
  find_ = find;
  hasNext_ = true;
  int slash = pattern.ReverseFind('\\');
  root_ = slash < 0 ? CString() : pattern.Left(slash);
  return TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (find_ == INVALID_HANDLE_VALUE || !hasNext_) return FALSE;
  found_ = next_;
  stepped_ = true;
  hasNext_ = ::FindNextFileA(find_, &next_) != FALSE;
  return hasNext_ ? TRUE : FALSE;
}

CString CFileFind::GetFileName() const { return stepped_ ? CString(found_.cFileName) : CString(); }

CString CFileFind::GetFilePath() const {
  if (!stepped_) return CString();
  return root_.IsEmpty() ? GetFileName() : root_ + "\\" + found_.cFileName;
}

BOOL CFileFind::IsDots() const {
  if (!stepped_ || !IsDirectory()) return FALSE;
  return std::strcmp(found_.cFileName, ".") == 0 || std::strcmp(found_.cFileName, "..") == 0;
}
