// Owners for what the browser control borrows from the page: an interface
// reference released when its owner goes, and a BSTR freed likewise.
#pragma once

#include "platform/win32api.h"

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (pointer_) pointer_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // Where a call that hands out a reference stores it.
  Interface** receive() { return &pointer_; }
  void** receiveAny() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

class Bstr {
 public:
  // The multi-byte text (thread's ANSI code page) as a BSTR; null for a
  // text that does not convert.
  explicit Bstr(const char* text) {
    int chars = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (chars <= 0) return;
    text_ = ::SysAllocStringLen(nullptr, static_cast<UINT>(chars - 1));
    if (text_) ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, text_, chars);
  }
  explicit Bstr(const OLECHAR* text) : text_(::SysAllocString(text)) {}
  ~Bstr() { ::SysFreeString(text_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR get() const { return text_; }
  // Hands the string to a new owner (a VARIANT).
  BSTR release() {
    BSTR text = text_;
    text_ = nullptr;
    return text;
  }

 private:
  BSTR text_ = nullptr;
};
