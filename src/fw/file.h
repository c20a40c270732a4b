// CFile over the platform's file handles, and CFileException, which
// carries the platform's error for a failed operation. File errors are
// thrown as CFileException values.
#pragma once

#include "fw/string.h"

class CFileException {
 public:
  enum Cause {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
  };

  explicit CFileException(int cause = none, LONG osError = -1, const char* fileName = nullptr);

  // The platform's text for the error, cut to fit `maxError` bytes
  // (terminator included) without splitting a character. FALSE when there
  // is no error to describe.
  BOOL GetErrorMessage(LPSTR buffer, UINT maxError, UINT* helpContext = nullptr) const;

  static int OsErrorToCause(LONG osError);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

class CFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeBinary = 0x8000,
  };
  enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

  CFile() = default;
  virtual ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // FALSE on failure, with `error` (when given) describing it.
  virtual BOOL Open(LPCSTR fileName, UINT openFlags, CFileException* error = nullptr);
  virtual ULONGLONG Seek(LONGLONG offset, UINT from);
  virtual UINT Read(void* buffer, UINT count);
  virtual void Write(const void* buffer, UINT count);
  virtual ULONGLONG GetLength() const;
  virtual void Close();
  // Closes without reporting errors.
  virtual void Abort();

  HANDLE m_hFile = INVALID_HANDLE_VALUE;

 private:
  [[noreturn]] void ThrowLastError() const;
  CString fileName_;
};
