#pragma once

#include <algorithm>
#include <vector>

namespace zonalyst {

// The middle value; of an even count the upper of the two middle ones, which is itself one of
// the values (no mean of two is taken). 0 when there are none.
inline double UpperMedian(std::vector<double> values) {
  if (values.empty()) return 0.0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

}  // namespace zonalyst
