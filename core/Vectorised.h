#pragma once

#include <limits>

// Helpers for the loops that the compiler vectorises, for the core's own sources.
namespace zonalyst {

// std::isfinite written as two comparisons, which vectorise.
inline bool IsNumber(double x) {
  constexpr double kLargest = std::numeric_limits<double>::max();
  return x <= kLargest && x >= -kLargest;
}

}  // namespace zonalyst

// Marks a function whose loops the compiler vectorises: on x86-64 Linux it is compiled
// twice, and processors with AVX2 run the version with vectors of four doubles. AVX2
// brings no fused multiply-add, so both versions round every operation alike and give
// the same results to the last bit. Elsewhere (Windows has no run-time dispatch of this
// kind) the function is compiled once.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__)
#define ZONALYST_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define ZONALYST_WIDE_VECTORS
#endif
