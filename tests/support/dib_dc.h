// A memory DC with a 32-bit top-down DIB section of its own selected, for
// tests that read pixels back (0x00RRGGBB words, top row first).
#pragma once

#include <vector>

#include "tests/support/gdi_objects.h"

// A memory DC with a DIB section of its own selected.
class DibDc {
 public:
  DibDc(int width, int height, std::vector<DWORD> pixels = {}) : width_(width) {
    bitmap_ = CreateTestDib(width, height, &bits_);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
    for (std::size_t i = 0; i < pixels.size(); ++i) bits_[i] = pixels[i];
  }
  ~DibDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  DibDc(const DibDc&) = delete;
  DibDc& operator=(const DibDc&) = delete;
  HDC dc() const { return dc_; }
  DWORD At(int x, int y) const { return bits_[y * width_ + x] & 0x00FFFFFF; }
  std::vector<DWORD> Row(int y) const {
    std::vector<DWORD> row;
    for (int x = 0; x < width_; ++x) row.push_back(At(x, y));
    return row;
  }

 private:
  int width_;
  DWORD* bits_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};
