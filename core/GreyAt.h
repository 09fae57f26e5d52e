#pragma once

#include "PhotoReadings.h"

#include <algorithm>

namespace zonalyst {

// The grey at (x, y) of a frame of at least 2 x 2 pixels, interpolated bilinearly between pixel
// centres; outside the frame the nearest edge pixel's.
inline double GreyAt(const GreyFrame& frame, double x, double y) {
  const double u = std::clamp(x - 0.5, 0.0, frame.width - 1.0), v = std::clamp(y - 0.5, 0.0, frame.height - 1.0);
  const int i = std::min(static_cast<int>(u), frame.width - 2), j = std::min(static_cast<int>(v), frame.height - 2);
  const double fu = u - i, fv = v - j;
  return (1 - fv) * ((1 - fu) * frame.at(i, j) + fu * frame.at(i + 1, j)) +
         fv * ((1 - fu) * frame.at(i, j + 1) + fu * frame.at(i + 1, j + 1));
}

}  // namespace zonalyst
