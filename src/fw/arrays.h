// The framework's arrays of strings and of bytes.
#pragma once

#include <vector>

#include "fw/string.h"

class CStringArray {
 public:
  INT_PTR GetSize() const { return static_cast<INT_PTR>(items_.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  bool IsEmpty() const { return items_.empty(); }
  INT_PTR Add(const CString& item) {
    items_.push_back(item);
    return GetSize() - 1;
  }
  const CString& GetAt(INT_PTR index) const { return items_.at(static_cast<std::size_t>(index)); }
  CString& operator[](INT_PTR index) { return items_.at(static_cast<std::size_t>(index)); }
  const CString& operator[](INT_PTR index) const { return GetAt(index); }
  void RemoveAll() { items_.clear(); }

 private:
  std::vector<CString> items_;
};

class CByteArray {
 public:
  INT_PTR GetSize() const { return static_cast<INT_PTR>(bytes_.size()); }
  BYTE* GetData() { return bytes_.data(); }
  void SetSize(INT_PTR size) { bytes_.resize(static_cast<std::size_t>(size)); }

 private:
  std::vector<BYTE> bytes_;
};
