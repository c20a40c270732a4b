// Helpers of the drawing-utility tests: pictures made in memory, and
// regions read back as their rectangles.
#pragma once

#include <algorithm>
#include <vector>

#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

constexpr DWORD K = 0x5C5C5C;  // the key, as a DIB word

// A top-down 32-bit DIB section holding `pixels` (0x00RRGGBB words, the
// fourth byte as given), top row first.
inline HBITMAP Picture(int width, int height, const std::vector<DWORD>& pixels) {
  DWORD* bits = nullptr;
  HBITMAP bitmap = CreateTestDib(width, height, &bits);
  for (std::size_t i = 0; i < pixels.size(); ++i) bits[i] = pixels[i];
  return bitmap;
}

using Rects = std::vector<std::vector<LONG>>;

// The rectangles of a region, band by band, as GetRegionData gives them.
inline Rects RectsOf(HRGN region) {
  DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<DWORD> buffer((size + 3) / 4);
  GetRegionData(region, size, reinterpret_cast<RGNDATA*>(buffer.data()));
  const auto* data = reinterpret_cast<const RGNDATA*>(buffer.data());
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  Rects out;
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    out.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  }
  return out;
}
