// Owners for COM resources: an interface pointer released when its owner
// goes, and the thread's apartment, uninitialised when its owner goes.
#pragma once

#include "platform/win32api.h"

template <typename Interface>
class InterfacePtr {
 public:
  InterfacePtr() = default;
  ~InterfacePtr() {
    if (pointer_) pointer_->Release();
  }
  InterfacePtr(const InterfacePtr&) = delete;
  InterfacePtr& operator=(const InterfacePtr&) = delete;

  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // Where a creating call stores the new pointer.
  void** out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

class ComApartment {
 public:
  // S_FALSE (initialised already) counts as success and is balanced too.
  ComApartment() : result_(::CoInitialize(nullptr)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  bool ready() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};
