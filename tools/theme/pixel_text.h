// Counts the pixels that break a rule and names the first of them.
#pragma once

#include <string>

namespace theme {

struct PixelCount {
  int count = 0;
  int firstX = 0, firstY = 0;

  void Add(int x, int y) {
    if (count++ == 0) {
      firstX = x;
      firstY = y;
    }
  }
  // "1 pixel (at 10, 4)", "3 pixels (the first at 10, 4)".
  std::string Counted() const {
    const std::string where = std::to_string(firstX) + ", " + std::to_string(firstY);
    if (count == 1) return "1 pixel (at " + where + ")";
    return std::to_string(count) + " pixels (the first at " + where + ")";
  }
  // The same with its verb: "... is", "... are".
  std::string Text() const { return Counted() + (count == 1 ? " is" : " are"); }
};

}  // namespace theme
