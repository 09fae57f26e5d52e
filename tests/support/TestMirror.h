#pragma once

#include <vector>

#include "core/ConicGeometry.h"
#include "core/MirrorTest.h"

namespace zonalyst::testing {

// Zones of a 200 mm mirror as a six-zone Couder mask would place them.
inline const std::vector<double> kSixZones = {20.0, 38.0, 55.0, 70.0, 83.0, 95.0};

// A test mirror as a test describes it: name only what matters and keep the rest,
// a 200 mm f/4 paraboloid in millimetres tested with a moving source through the six
// zones above, entered by effective radius, with one set of the readings a perfect mirror
// gives. Lengths in the test's own units.
struct MirrorSpec {
  double roc = 1600.0;
  double diameter = 200.0;
  double conic = -1.0;
  bool inches = false;
  bool movingSource = true;
  bool innerOuter = false;                 // zones by inner and outer radius
  std::vector<double> zones = kSixZones;   // effective radii; with innerOuter the outer radii,
                                           // each zone starting where the one before ends
  int readingSets = 1;
  bool perfectReadings = true;             // set 1 as a perfect conic reads; else no readings
  double readingOffset = 10.0;             // knife position at the paraxial centre of curvature
};

// The readings of a perfect conic: the zonal centre of curvature lies -K times the
// sagitta behind the paraxial one (doubled for a fixed source).
inline MirrorTest TestMirror(const MirrorSpec& spec = {}) {
  MirrorTest test;
  test.Units = spec.inches ? 1 : 0;
  test.MovingSource = spec.movingSource ? 1 : 0;
  test.InnerOuterEntry = spec.innerOuter ? 1 : 0;
  test.ReadingSets = spec.readingSets;
  test.Roc = spec.roc;
  test.Diameter = spec.diameter;
  test.DesiredConic = spec.conic;
  test.ZoneCount = static_cast<int>(spec.zones.size());
  for (int z = 1; z <= test.ZoneCount; ++z) {
    if (spec.innerOuter) {
      test.ZoneRadius[z][0] = z == 1 ? 0.0 : spec.zones[z - 2];
      test.ZoneRadius[z][1] = spec.zones[z - 1];
    } else {
      test.ZoneRadius[z][0] = spec.zones[z - 1];
    }
  }
  ComputeEffectiveRadii(test);
  if (!spec.perfectReadings) return test;
  for (int z = 1; z <= test.ZoneCount; ++z) {
    const double h = test.effectiveRadius(z);
    const double displacement = spec.readingOffset - spec.conic * ConicSag(h, spec.conic, spec.roc);
    test.KeReading[z][1] = spec.movingSource ? displacement : 2.0 * displacement;
  }
  return test;
}

}  // namespace zonalyst::testing
