#pragma once

#include <cmath>

namespace zonalyst {

// x rounded to the given number of decimals, halves to even (as every rounding of
// the program: results, captions, Bessel indices, bins).
double RoundHalfEven(double x, int decimals = 0);

// x rounded to a whole number, halves to even, without a library call: adding and
// removing 2^52 leaves the nearest integer in the default rounding mode. For the
// table indices of the diffraction sums, which run in the inner loops.
inline double RoundIndexHalfEven(double x) {
  constexpr double kShift = 4503599627370496.0;  // 2^52
  if (!(x >= 0.0 && x < kShift)) return std::nearbyint(x);
  return (x + kShift) - kShift;
}

}  // namespace zonalyst
