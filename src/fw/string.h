// CString: a multi-byte string (code page 936) with value semantics.
// Searches respect character boundaries: a match never starts on the
// second byte of a two-byte character.
#pragma once

#include <string>

#include "platform/win32api.h"

class CString {
 public:
  CString() = default;
  CString(const char* text) : text_(text ? text : "") {}  // NOLINT: implicit, as LPCSTR converts
  CString(const char* text, int length);
  CString(const std::string& text) : text_(text) {}  // NOLINT

  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  const char* GetString() const { return text_.c_str(); }
  operator const char*() const { return text_.c_str(); }  // NOLINT: LPCSTR, as callers expect
  const std::string& str() const { return text_; }
  char GetAt(int index) const { return text_.at(static_cast<std::size_t>(index)); }

  CString& operator=(const char* text);
  CString& operator+=(const CString& other);
  CString& operator+=(const char* text);
  CString& operator+=(char c);
  friend CString operator+(const CString& a, const CString& b);
  friend CString operator+(const CString& a, const char* b);
  friend CString operator+(const char* a, const CString& b);
  friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
  friend bool operator==(const CString& a, const char* b) { return a.text_ == (b ? b : ""); }

  // Compares without regard to the case of ASCII letters, one code page 936
  // character at a time (a trail byte is never taken for a letter):
  // negative, zero or positive.
  int CompareNoCase(const char* other) const;
  // Byte index of the last occurrence of `c` as a whole character, or -1.
  int ReverseFind(char c) const;

  // Byte index of the first occurrence at or after `start`, or -1.
  int Find(const char* sub, int start = 0) const;
  int Find(char c, int start = 0) const;
  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  void Truncate(int length);

  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  BOOL LoadString(UINT id);

  // Direct access to a buffer of at least `minLength` bytes; ReleaseBuffer
  // takes the text up to its terminator (or `newLength` bytes) back.
  char* GetBuffer(int minLength);
  void ReleaseBuffer(int newLength = -1);

 private:
  std::string text_;
};
