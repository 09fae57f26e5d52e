#pragma once

#include "core/ConicGeometry.h"
#include "tests/support/TestMirror.h"

#include <cmath>
#include <vector>

namespace zonalyst::testing {

// The 200 mm f/4 paraboloid on a 15-zone mask (equal-area zones to a micron), two reading
// sets near the ideal readings with a slight turned edge.
inline MirrorTest FifteenZoneMirror() {
  std::vector<double> radii;
  for (int z = 1; z <= 15; ++z) radii.push_back(std::round(1000.0 * 100.0 * std::sqrt((z - 0.5) / 15.0)) / 1000.0);
  MirrorTest test = TestMirror({.zones = radii, .readingSets = 2, .perfectReadings = false});
  for (int z = 1; z <= 15; ++z) {
    const double ideal = IdealReading(test, z);
    const double edge = z > 12 ? 0.02 * (z - 12) : 0.0;
    test.KeReading[z][1] = std::round(1000.0 * (ideal + edge + 0.004)) / 1000.0;
    test.KeReading[z][2] = std::round(1000.0 * (ideal + edge - 0.004)) / 1000.0;
  }
  return test;
}

}  // namespace zonalyst::testing
