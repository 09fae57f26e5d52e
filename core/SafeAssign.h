#pragma once

#include <cmath>

namespace zonalyst {

// An arithmetic failure (a division by zero, the square root of a negative number)
// skips the assignment it would have made: the target keeps its previous value and
// the computation goes on. Results therefore never hold NaN or infinity.
inline bool AssignIfFinite(double& target, double value) {
  if (!std::isfinite(value)) return false;
  target = value;
  return true;
}

}  // namespace zonalyst
