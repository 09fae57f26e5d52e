#pragma once

#include <vector>

#include "core/ConicGeometry.h"
#include "core/MirrorTest.h"

namespace zonalyst::testing {

// A test whose readings are exactly those of a perfect conic (K, R) measured on zones
// entered by effective radius, in millimetres: the zonal centre of curvature of a conic
// lies -K times its sagitta behind the paraxial one (doubled for a fixed source).
inline MirrorTest PerfectConicTest(double K, double R, double D, const std::vector<double>& zoneRadii,
                                   bool movingSource = true, double offset = 10.0) {
  MirrorTest test;
  test.Units = 0;
  test.MovingSource = movingSource ? 1 : 0;
  test.InnerOuterEntry = 0;
  test.ReadingSets = 1;
  test.Roc = R;
  test.Diameter = D;
  test.DesiredConic = K;
  test.ZoneCount = static_cast<int>(zoneRadii.size());
  for (int z = 1; z <= test.ZoneCount; ++z) {
    const double h = zoneRadii[z - 1];
    test.ZoneRadius[z][0] = h;
    const double displacement = offset - K * ConicSag(h, K, R);
    test.KeReading[z][1] = movingSource ? displacement : 2.0 * displacement;
  }
  ComputeEffectiveRadii(test);
  return test;
}

// Zones of a 200 mm mirror as a six-zone Couder mask would place them.
inline const std::vector<double> kSixZones = {20.0, 38.0, 55.0, 70.0, 83.0, 95.0};

}  // namespace zonalyst::testing
