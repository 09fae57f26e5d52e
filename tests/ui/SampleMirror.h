#pragma once

#include "tests/support/TestMirror.h"

#include <cmath>

namespace zonalyst::testing {

// An 8" f/8 mirror in inches as a new test starts: a fixed source, four zones by inner and
// outer radius as the mask wizard lays them out, no readings.
inline const MirrorRecipe kNewTestRecipe{.roc = 128.0,
                                         .diameter = 8.0,
                                         .inches = true,
                                         .movingSource = false,
                                         .innerOuter = true,
                                         .zones = {2.0, 2.828, 3.464, 4.0},
                                         .perfectReadings = false};

// The new test's mirror with zone z reading 0.01 z.
inline MirrorTest SampleMirror() {
  MirrorTest test = TestMirror(kNewTestRecipe);
  for (int z = 1; z <= 4; ++z) test.KeReading[z][1] = 0.01 * z;
  return test;
}

// 15 zones of a 250 mm f/5 mirror, three reading sets that scatter by a few hundredths
// around a slightly undercorrected paraboloid.
inline MirrorTest ScatteredFifteenZones() {
  std::vector<double> radii;
  for (int z = 1; z <= 15; ++z) radii.push_back(8.0 * z + 2.0);
  MirrorTest test = TestMirror({.roc = 2500.0, .diameter = 250.0, .zones = radii, .readingSets = 3});
  for (int z = 1; z <= 15; ++z) {
    const double ideal = test.KeReading[z][1];
    for (int s = 1; s <= 3; ++s) test.KeReading[z][s] = ideal * 0.97 + 0.02 * std::sin(z * 1.7 + s * 2.3);
  }
  return test;
}

}  // namespace zonalyst::testing
