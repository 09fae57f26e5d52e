#pragma once

#include <cmath>
#include <string>

#include "core/ConicGeometry.h"
#include "core/MirrorTest.h"
#include "io/FileAccess.h"
#include "io/TestFileLayout.h"
#include "io/TestPath.h"

namespace zonalyst::testing {

// A 200 mm f/4 paraboloid on a 15-zone mask (effective radii of equal-area zones), two
// reading sets near the ideal readings with a slight turned edge, in millimetres.
inline MirrorTest FifteenZoneTest() {
  MirrorTest test;
  test.ZoneCount = 15;
  test.Units = 0;
  test.MovingSource = 1;
  test.ReadingSets = 2;
  test.InnerOuterEntry = 0;
  test.Roc = 1600.0;
  test.Diameter = 200.0;
  test.DesiredConic = -1.0;
  for (int z = 1; z <= 15; ++z) test.ZoneRadius[z][0] = std::round(1000.0 * 100.0 * std::sqrt((z - 0.5) / 15.0)) / 1000.0;
  ComputeEffectiveRadii(test);
  for (int z = 1; z <= 15; ++z) {
    const double ideal = IdealReading(test, z);
    const double edge = z > 12 ? 0.02 * (z - 12) : 0.0;
    test.KeReading[z][1] = std::round(1000.0 * (ideal + edge + 0.004)) / 1000.0;
    test.KeReading[z][2] = std::round(1000.0 * (ideal + edge - 0.004)) / 1000.0;
  }
  return test;
}

// Writes the test as folder/name and returns the full path (empty when writing failed).
inline std::string WriteTestFile(const MirrorTest& test, const std::string& folder, const std::string& name) {
  const std::string path = io::JoinTestPath(folder, name);
  return io::ReplaceFileText(path, io::BuildTestFileText(test)).empty() ? path : std::string();
}

}  // namespace zonalyst::testing
