#pragma once

namespace zonalyst {

// x rounded to the given number of decimals, halves to even (as every rounding of
// the program: results, captions, Bessel indices, bins).
double RoundHalfEven(double x, int decimals = 0);

}  // namespace zonalyst
