#pragma once

#include "Vectorised.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

// ConicSag without branches, for loops that the compiler vectorises: the same value for
// every argument. Where the arithmetic fails, or the point lies beyond the rim (q < 0),
// the sag is 0. The caller computes onePlusK = 1 + K and RR = R * R once.
inline double BranchFreeConicSag(double r, double onePlusK, double R, double RR) {
  const double q = 1.0 - onePlusK * r * r / RR;
  const double s = (r * r / R) / (1.0 + std::sqrt(std::max(q, 0.0)));
  return q >= 0.0 && IsNumber(s) ? s : 0.0;
}

// Whether BranchFreeParaboloidSag gives BranchFreeConicSag's value: for a paraboloid
// whose RR is a positive number q is exactly 1 and its root 1, so the sag is r^2 / R halved.
inline bool ParaboloidForm(double onePlusK, double RR) { return onePlusK == 0.0 && RR > 0.0 && IsNumber(RR); }
inline double BranchFreeParaboloidSag(double r, double R) {
  const double s = (r * r / R) * 0.5;
  return IsNumber(s) ? s : 0.0;
}

}  // namespace zonalyst
