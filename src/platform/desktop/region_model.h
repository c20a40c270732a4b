// A region as GDI keeps it: horizontal bands, top to bottom, each with its
// sorted, disjoint spans; touching bands with the same spans are merged, so
// that equal areas have one form and compare equal.
#pragma once

#include <vector>

#include "platform/api/win_types.h"

namespace desktop {

class Region {
 public:
  struct Span {
    LONG left;
    LONG right;
    bool operator==(const Span&) const = default;
  };
  struct Band {
    LONG top;
    LONG bottom;
    std::vector<Span> spans;
  };
  enum class Op { And, Or, Xor, Diff };

  Region() = default;
  static Region FromRect(const RECT& rect);  // empty for an empty or inverted rectangle
  static Region FromRects(const std::vector<RECT>& rects);  // union; empty ones are skipped

  static Region Combine(const Region& a, const Region& b, Op op);
  // Adds `other` in place, touching only the bands from other's top down:
  // cheap when regions are built top to bottom.
  void Unite(const Region& other);
  void Offset(LONG dx, LONG dy);

  bool Empty() const { return bands_.empty(); }
  int Complexity() const;  // NULLREGION, SIMPLEREGION or COMPLEXREGION
  RECT Box() const;        // (0, 0, 0, 0) when empty
  bool Contains(LONG x, LONG y) const;
  bool Intersects(const RECT& rect) const;
  std::vector<RECT> Rects() const;  // one a span, bands top to bottom
  // The parts of `rect` inside the region, as rectangles.
  std::vector<RECT> Clip(const RECT& rect) const;
  const std::vector<Band>& bands() const { return bands_; }

  bool operator==(const Region& other) const;

 private:
  void Append(LONG top, LONG bottom, std::vector<Span> spans);
  static bool FromBandedRects(const std::vector<RECT>& rects, Region* out);
  std::vector<Band> bands_;
};

}  // namespace desktop
