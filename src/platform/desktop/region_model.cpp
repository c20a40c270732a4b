#include "platform/desktop/region_model.h"

#include <algorithm>
#include <iterator>

#include "platform/api/gdi_types.h"

namespace desktop {

namespace {

bool Keeps(Region::Op op, bool inA, bool inB) {
  switch (op) {
    case Region::Op::And:
      return inA && inB;
    case Region::Op::Or:
      return inA || inB;
    case Region::Op::Xor:
      return inA != inB;
    case Region::Op::Diff:
      return inA && !inB;
  }
  return false;
}

bool Covers(const std::vector<Region::Span>& spans, std::size_t& index, LONG x) {
  while (index < spans.size() && spans[index].right <= x) ++index;
  return index < spans.size() && spans[index].left <= x;
}

// The spans of one band of the result, from the spans of both operands.
std::vector<Region::Span> CombineSpans(const std::vector<Region::Span>& a,
                                       const std::vector<Region::Span>& b, Region::Op op) {
  std::vector<LONG> xs;
  xs.reserve(2 * (a.size() + b.size()));
  for (const auto& s : a) xs.insert(xs.end(), {s.left, s.right});
  for (const auto& s : b) xs.insert(xs.end(), {s.left, s.right});
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::vector<Region::Span> out;
  std::size_t ia = 0, ib = 0;
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    if (!Keeps(op, Covers(a, ia, xs[i]), Covers(b, ib, xs[i]))) continue;
    if (!out.empty() && out.back().right == xs[i]) {
      out.back().right = xs[i + 1];
    } else {
      out.push_back({xs[i], xs[i + 1]});
    }
  }
  return out;
}

const std::vector<Region::Span>* SpansAt(const std::vector<Region::Band>& bands, std::size_t& index,
                                         LONG y) {
  while (index < bands.size() && bands[index].bottom <= y) ++index;
  if (index < bands.size() && bands[index].top <= y) return &bands[index].spans;
  return nullptr;
}

}  // namespace

Region Region::FromRect(const RECT& rect) {
  Region r;
  if (rect.left < rect.right && rect.top < rect.bottom) {
    r.bands_.push_back({rect.top, rect.bottom, {{rect.left, rect.right}}});
  }
  return r;
}

// Rectangles already in banded order (top to bottom, bands not
// overlapping, left to right within a band), as region data usually comes:
// the bands are read off directly.
bool Region::FromBandedRects(const std::vector<RECT>& rects, Region* out) {
  const RECT* previous = nullptr;
  for (const RECT& r : rects) {
    if (r.left >= r.right || r.top >= r.bottom) return false;
    if (previous) {
      bool sameBand = r.top == previous->top && r.bottom == previous->bottom;
      if (sameBand ? r.left < previous->right : r.top < previous->bottom) return false;
    }
    previous = &r;
  }
  std::vector<Span> spans;
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const RECT& r = rects[i];
    if (!spans.empty() && spans.back().right == r.left) {
      spans.back().right = r.right;
    } else {
      spans.push_back({r.left, r.right});
    }
    if (i + 1 == rects.size() || rects[i + 1].top != r.top) {
      out->Append(r.top, r.bottom, std::move(spans));
      spans.clear();
    }
  }
  return true;
}

Region Region::FromRects(const std::vector<RECT>& rects) {
  if (Region banded; FromBandedRects(rects, &banded)) return banded;
  std::vector<RECT> sorted;
  sorted.reserve(rects.size());
  std::vector<LONG> ys;
  for (const RECT& r : rects) {
    if (r.left >= r.right || r.top >= r.bottom) continue;
    sorted.push_back(r);
    ys.insert(ys.end(), {r.top, r.bottom});
  }
  std::sort(sorted.begin(), sorted.end(),
            [](const RECT& x, const RECT& y) { return x.top < y.top; });
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  Region out;
  std::vector<RECT> active;
  std::size_t next = 0;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    LONG top = ys[i], bottom = ys[i + 1];
    std::erase_if(active, [top](const RECT& r) { return r.bottom <= top; });
    while (next < sorted.size() && sorted[next].top == top) active.push_back(sorted[next++]);
    std::vector<Span> spans;
    spans.reserve(active.size());
    for (const RECT& r : active) spans.push_back({r.left, r.right});
    std::sort(spans.begin(), spans.end(),
              [](const Span& x, const Span& y) { return x.left < y.left; });
    std::vector<Span> merged;
    for (const Span& s : spans) {
      if (!merged.empty() && s.left <= merged.back().right) {
        merged.back().right = std::max(merged.back().right, s.right);
      } else {
        merged.push_back(s);
      }
    }
    out.Append(top, bottom, std::move(merged));
  }
  return out;
}

Region Region::Combine(const Region& a, const Region& b, Op op) {
  std::vector<LONG> ys;
  ys.reserve(2 * (a.bands_.size() + b.bands_.size()));
  for (const Band& band : a.bands_) ys.insert(ys.end(), {band.top, band.bottom});
  for (const Band& band : b.bands_) ys.insert(ys.end(), {band.top, band.bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  Region out;
  std::size_t ia = 0, ib = 0;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    const std::vector<Span>* sa = SpansAt(a.bands_, ia, ys[i]);
    const std::vector<Span>* sb = SpansAt(b.bands_, ib, ys[i]);
    if (!sa && !sb) continue;
    if (!sa || !sb) {  // one side only: its spans stay or go whole
      if (Keeps(op, sa != nullptr, sb != nullptr)) out.Append(ys[i], ys[i + 1], sa ? *sa : *sb);
      continue;
    }
    out.Append(ys[i], ys[i + 1], CombineSpans(*sa, *sb, op));
  }
  return out;
}

void Region::Unite(const Region& other) {
  if (other.Empty()) return;
  LONG top = other.bands_.front().top;
  auto affected = std::partition_point(bands_.begin(), bands_.end(),
                                       [top](const Band& band) { return band.bottom <= top; });
  Region tail;
  tail.bands_.assign(std::make_move_iterator(affected), std::make_move_iterator(bands_.end()));
  bands_.erase(affected, bands_.end());
  Region merged = Combine(tail, other, Op::Or);
  for (Band& band : merged.bands_) Append(band.top, band.bottom, std::move(band.spans));
}

void Region::Append(LONG top, LONG bottom, std::vector<Span> spans) {
  if (spans.empty()) return;
  if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
    bands_.back().bottom = bottom;
    return;
  }
  bands_.push_back({top, bottom, std::move(spans)});
}

void Region::Offset(LONG dx, LONG dy) {
  for (Band& band : bands_) {
    band.top += dy;
    band.bottom += dy;
    for (Span& s : band.spans) {
      s.left += dx;
      s.right += dx;
    }
  }
}

int Region::Complexity() const {
  if (bands_.empty()) return NULLREGION;
  return bands_.size() == 1 && bands_[0].spans.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT Region::Box() const {
  if (bands_.empty()) return RECT{0, 0, 0, 0};
  RECT box{bands_.front().spans.front().left, bands_.front().top, bands_.front().spans.back().right,
           bands_.back().bottom};
  for (const Band& band : bands_) {
    box.left = std::min(box.left, band.spans.front().left);
    box.right = std::max(box.right, band.spans.back().right);
  }
  return box;
}

bool Region::Contains(LONG x, LONG y) const {
  for (const Band& band : bands_) {
    if (y < band.top) return false;
    if (y >= band.bottom) continue;
    for (const Span& s : band.spans) {
      if (x >= s.left && x < s.right) return true;
    }
    return false;
  }
  return false;
}

bool Region::Intersects(const RECT& rect) const { return !Clip(rect).empty(); }

std::vector<RECT> Region::Rects() const {
  std::vector<RECT> out;
  for (const Band& band : bands_) {
    for (const Span& s : band.spans) out.push_back({s.left, band.top, s.right, band.bottom});
  }
  return out;
}

std::vector<RECT> Region::Clip(const RECT& rect) const {
  std::vector<RECT> out;
  for (const Band& band : bands_) {
    if (band.bottom <= rect.top) continue;
    if (band.top >= rect.bottom) break;
    LONG top = std::max(band.top, rect.top), bottom = std::min(band.bottom, rect.bottom);
    for (const Span& s : band.spans) {
      LONG left = std::max(s.left, rect.left), right = std::min(s.right, rect.right);
      if (left < right) out.push_back({left, top, right, bottom});
    }
  }
  return out;
}

bool Region::operator==(const Region& other) const {
  if (bands_.size() != other.bands_.size()) return false;
  for (std::size_t i = 0; i < bands_.size(); ++i) {
    const Band& x = bands_[i];
    const Band& y = other.bands_[i];
    if (x.top != y.top || x.bottom != y.bottom || x.spans != y.spans) return false;
  }
  return true;
}

}  // namespace desktop
