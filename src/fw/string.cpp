#include "fw/string.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "fw/app.h"
#include "fw/mbcs.h"

CString::CString(const char* text, int length) {
  if (text && length > 0) text_.assign(text, static_cast<std::size_t>(length));
}

CString& CString::operator=(const char* text) {
  text_ = text ? text : "";
  return *this;
}

CString& CString::operator+=(const CString& other) {
  text_ += other.text_;
  return *this;
}

CString& CString::operator+=(const char* text) {
  if (text) text_ += text;
  return *this;
}

CString& CString::operator+=(char c) {
  text_ += c;
  return *this;
}

CString operator+(const CString& a, const CString& b) { return CString(a.text_ + b.text_); }
CString operator+(const CString& a, const char* b) { return CString(a.text_ + (b ? b : "")); }
CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.text_); }

int CString::Find(const char* sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  std::size_t n = std::strlen(sub);
  // Walk whole characters, so that a match starts on a character boundary.
  std::size_t i = 0;
  while (i < text_.size() && i < static_cast<std::size_t>(start)) {
    i += AfxCharWidth(text_, i);
  }
  for (; i + n <= text_.size();
       i += AfxCharWidth(text_, i)) {
    if (text_.compare(i, n, sub) == 0) return static_cast<int>(i);
    if (i == text_.size()) break;
  }
  return -1;
}

int CString::Find(char c, int start) const {
  const char sub[2] = {c, '\0'};
  return Find(sub, start);
}

CString CString::Left(int count) const {
  if (count <= 0) return CString();
  return CString(text_.substr(0, static_cast<std::size_t>(count)));
}

CString CString::Right(int count) const {
  if (count <= 0) return CString();
  std::size_t n = std::min(text_.size(), static_cast<std::size_t>(count));
  return CString(text_.substr(text_.size() - n));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (first >= GetLength() || count <= 0) return CString();
  return CString(text_.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

void CString::Truncate(int length) {
  if (length >= 0 && length < GetLength()) text_.resize(static_cast<std::size_t>(length));
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  // Most texts fit the first buffer: formatted once, not measured first.
  char first[512];
  va_list copy;
  va_copy(copy, args);
  int needed = std::vsnprintf(first, sizeof first, format, copy);
  va_end(copy);
  if (needed < 0) {
    text_.clear();
  } else if (static_cast<std::size_t>(needed) < sizeof first) {
    text_.assign(first, static_cast<std::size_t>(needed));
  } else {
    std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    text_.assign(buffer.data(), static_cast<std::size_t>(needed));
  }
  va_end(args);
}

BOOL CString::LoadString(UINT id) {
  char buffer[1024];
  int n = ::LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
  text_.assign(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
  return n > 0;
}

char* CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) text_.resize(static_cast<std::size_t>(minLength));
  text_.reserve(text_.size() + 1);
  return text_.data();
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) newLength = static_cast<int>(std::strlen(text_.c_str()));
  text_.resize(static_cast<std::size_t>(newLength));
}

int CString::CompareNoCase(const char* other) const {
  // The two texts with ASCII letters in lower case (two-byte characters
  // unchanged), compared byte by byte, without making folded copies: up to
  // their first difference both texts hold the same characters, so their
  // two-byte characters start at the same places.
  std::string_view a = text_, b = other ? other : "";
  bool trail = false;  // the byte is the second of a two-byte character
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (!trail) {
      if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
      if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    }
    if (x != y) return x < y ? -1 : 1;
    trail = !trail && AfxIsLeadByte(x);
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CString::ReverseFind(char c) const {
  int found = -1;
  for (std::size_t i = 0; i < text_.size();) {
    if (text_[i] == c) found = static_cast<int>(i);
    i += AfxCharWidth(text_, i);
  }
  return found;
}
