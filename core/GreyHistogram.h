#pragma once

#include <cstddef>
#include <vector>

namespace zonalyst {

// How many samples have each grey value (0..65535 for 16-bit photographs).
using GreyHistogram = std::vector<std::size_t>;

// The grey value below which the given fraction of the samples counted in values [from, to)
// lie; to - 1 when none is counted.
inline double HistogramQuantile(const GreyHistogram& histogram, std::size_t from, std::size_t to, double fraction) {
  std::size_t total = 0;
  for (std::size_t v = from; v < to; ++v) total += histogram[v];
  const auto wanted = static_cast<std::size_t>(fraction * static_cast<double>(total));
  std::size_t seen = 0;
  for (std::size_t v = from; v < to; ++v) {
    seen += histogram[v];
    if (seen > wanted) return static_cast<double>(v);
  }
  return static_cast<double>(to - 1);
}

}  // namespace zonalyst
