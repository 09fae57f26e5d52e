#include "Rounding.h"

#include <cmath>

namespace zonalyst {

double RoundHalfEven(double x, int decimals) {
  if (!std::isfinite(x)) return x;
  if (decimals == 0) return std::nearbyint(x);
  const double scale = std::pow(10.0, decimals);
  const double scaled = x * scale;
  if (!std::isfinite(scaled)) return x;
  return std::nearbyint(scaled) / scale;
}

}  // namespace zonalyst
