#pragma once

#include "PhotoReadings.h"

#include <vector>

namespace zonalyst {

// Where one zone's contrast curve crosses zero.
struct CurveNull {
  NullStatus status = NullStatus::NoCrossing;  // Read, NoCrossing or ManyCrossings
  double position = 0.0;                       // knife position of the null, test units
  double uncertainty = 0.0;                    // its standard error, test units
};

// The null of the curve of contrasts c (not a number where both windows were black) and
// brightness differences L - R, one of each per frame, at the frames' knife positions
// (ascending, test units).
CurveNull FindCurveNull(const std::vector<double>& positions, const std::vector<double>& contrast,
                        const std::vector<double>& difference);

}  // namespace zonalyst
