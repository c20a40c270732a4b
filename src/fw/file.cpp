#include "fw/file.h"

#include "fw/mbcs.h"

#include <cstdio>
#include <cstring>

namespace {

// The share mode CreateFile takes for the framework's share flags.
DWORD ShareModeFor(UINT flags) {
  switch (flags & 0x70) {
    case CFile::shareDenyWrite: return FILE_SHARE_READ;
    case CFile::shareDenyRead: return FILE_SHARE_WRITE;
    case CFile::shareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;  // shareCompat and shareExclusive
  }
}

DWORD AccessFor(UINT flags) {
  switch (flags & 0x03) {
    case CFile::modeWrite: return GENERIC_WRITE;
    case CFile::modeReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
  }
}

DWORD DispositionFor(UINT flags) {
  if (flags & CFile::modeCreate) return (flags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  return OPEN_EXISTING;
}

}  // namespace

CFileException::CFileException(int cause, LONG osError, const char* fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

int CFileException::OsErrorToCause(LONG osError) {
  switch (osError) {
    case 0: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND: return badPath;
    case ERROR_ACCESS_DENIED: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
  }
}

BOOL CFileException::GetErrorMessage(LPSTR buffer, UINT maxError, UINT* helpContext) const {
  if (helpContext) *helpContext = 0;
  if (!buffer || maxError == 0) return FALSE;
  buffer[0] = '\0';
  if (m_cause == none) return FALSE;
  char text[512] = {};
  DWORD n = 0;
  if (m_lOsError > 0) {
    n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         static_cast<DWORD>(m_lOsError), 0, text, sizeof text, nullptr);
  }
  if (n == 0) {
    std::snprintf(text, sizeof text, "Error %ld while accessing %s.", static_cast<long>(m_lOsError),
                  m_strFileName.GetString());
    n = static_cast<DWORD>(std::strlen(text));
  }
  while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' ')) text[--n] = '\0';
  // Cut to fit, never in the middle of a two-byte character.
  UINT limit = maxError - 1, i = 0;
  while (i < n) {
    UINT width = static_cast<UINT>(AfxCharWidth(std::string_view(text, n), i));
    if (i + width > limit) break;
    i += width;
  }
  std::memcpy(buffer, text, i);
  buffer[i] = '\0';
  return TRUE;
}

CFile::~CFile() { Abort(); }

BOOL CFile::Open(LPCSTR fileName, UINT openFlags, CFileException* error) {
  Abort();
  fileName_ = fileName;
  HANDLE handle = ::CreateFileA(fileName, AccessFor(openFlags), ShareModeFor(openFlags), nullptr,
                                DispositionFor(openFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    LONG osError = static_cast<LONG>(::GetLastError());
    if (error) *error = CFileException(CFileException::OsErrorToCause(osError), osError, fileName);
    return FALSE;
  }
  m_hFile = handle;
  return TRUE;
}

void CFile::ThrowLastError() const {
  LONG osError = static_cast<LONG>(::GetLastError());
  throw CFileException(CFileException::OsErrorToCause(osError), osError, fileName_);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
  LARGE_INTEGER distance;
  distance.QuadPart = offset;
  LARGE_INTEGER position;
  position.QuadPart = 0;
  if (!::SetFilePointerEx(m_hFile, distance, &position, from)) ThrowLastError();
  return static_cast<ULONGLONG>(position.QuadPart);
}

UINT CFile::Read(void* buffer, UINT count) {
  if (count == 0) return 0;
  DWORD read = 0;
  if (!::ReadFile(m_hFile, buffer, count, &read, nullptr)) ThrowLastError();
  return read;
}

void CFile::Write(const void* buffer, UINT count) {
  if (count == 0) return;
  DWORD written = 0;
  if (!::WriteFile(m_hFile, buffer, count, &written, nullptr)) ThrowLastError();
  if (written != count) throw CFileException(CFileException::diskFull, -1, fileName_);
}

ULONGLONG CFile::GetLength() const {
  LARGE_INTEGER size;
  size.QuadPart = 0;
  if (!::GetFileSizeEx(m_hFile, &size)) ThrowLastError();
  return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::Close() {
  if (m_hFile != INVALID_HANDLE_VALUE) {
    HANDLE handle = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    if (!::CloseHandle(handle)) ThrowLastError();
  }
}

void CFile::Abort() {
  if (m_hFile != INVALID_HANDLE_VALUE) {
    ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
  }
}
