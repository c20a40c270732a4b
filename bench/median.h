// The middle value of a set of measurements (the upper middle one of an
// even count); 0 for none.
#pragma once

#include <algorithm>
#include <vector>

namespace bench {

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace bench
