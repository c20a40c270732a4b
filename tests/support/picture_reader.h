// A picture of the program's resources, loaded and selected into a memory
// DC so that its pixels can be read back; everything goes with the reader.
#pragma once

#include <vector>

#include "gfx/bitmap_resource.h"
#include "platform/win32api.h"

class PictureReader {
 public:
  explicit PictureReader(WORD id) {
    LoadBitmapResource(bitmap_, id);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
    BITMAP info{};
    GetObjectA(bitmap_, sizeof info, &info);
    width = info.bmWidth;
    height = info.bmHeight;
  }
  ~PictureReader() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  PictureReader(const PictureReader&) = delete;
  PictureReader& operator=(const PictureReader&) = delete;

  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  // Every pixel, row by row.
  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) pixels.push_back(At(x, y));
    }
    return pixels;
  }
  int width = 0, height = 0;

 private:
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};
