#pragma once

#include "core/ConicGeometry.h"
#include "core/MirrorTest.h"
#include "core/SurfaceReduction.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace zonalyst::testing {

// Zones of a 200 mm mirror as a six-zone Couder mask would place them.
inline const std::vector<double> kSixZones = {20.0, 38.0, 55.0, 70.0, 83.0, 95.0};

// A test mirror as a test describes it: name only what matters and keep the rest,
// a 200 mm f/4 paraboloid in millimetres tested with a moving source through the six
// zones above, entered by effective radius, with one set of the readings a perfect mirror
// gives. Lengths in the test's own units.
struct MirrorRecipe {
  double roc = 1600.0;
  double diameter = 200.0;
  double conic = -1.0;
  bool inches = false;
  bool movingSource = true;
  bool innerOuter = false;                // zones by inner and outer radius
  std::vector<double> zones = kSixZones;  // effective radii; with innerOuter the outer radii,
                                          // each zone starting where the one before ends
  int readingSets = 1;
  bool perfectReadings = true;  // set 1 as a perfect conic reads; else no readings
  double readingOffset = 10.0;  // knife position at the paraxial centre of curvature
};

// The readings of a perfect conic: the zonal centre of curvature lies -K times the
// sagitta behind the paraxial one (doubled for a fixed source).
inline MirrorTest TestMirror(const MirrorRecipe& recipe = {}) {
  MirrorTest test;
  test.Units = recipe.inches ? 1 : 0;
  test.MovingSource = recipe.movingSource ? 1 : 0;
  test.InnerOuterEntry = recipe.innerOuter ? 1 : 0;
  test.ReadingSets = recipe.readingSets;
  test.Roc = recipe.roc;
  test.Diameter = recipe.diameter;
  test.DesiredConic = recipe.conic;
  test.ZoneCount = static_cast<int>(recipe.zones.size());
  for (int z = 1; z <= test.ZoneCount; ++z) {
    if (recipe.innerOuter) {
      test.ZoneRadius[z][0] = z == 1 ? 0.0 : recipe.zones[z - 2];
      test.ZoneRadius[z][1] = recipe.zones[z - 1];
    } else {
      test.ZoneRadius[z][0] = recipe.zones[z - 1];
    }
  }
  ComputeEffectiveRadii(test);
  if (!recipe.perfectReadings) return test;
  for (int z = 1; z <= test.ZoneCount; ++z) {
    const double h = test.effectiveRadius(z);
    const double displacement = recipe.readingOffset - recipe.conic * ConicSag(h, recipe.conic, recipe.roc);
    test.KeReading[z][1] = recipe.movingSource ? displacement : 2.0 * displacement;
  }
  return test;
}

// The mirror of the recipe turned in its stand to deg degrees: each reading of every set moved by
// an astigmatism's a cos 2(deg - axisDeg), test units as read.
inline MirrorTest TurnedMirror(const MirrorRecipe& recipe, double deg, double a, double axisDeg) {
  MirrorTest test = TestMirror(recipe);
  const double shift = a * std::cos((deg - axisDeg) * std::numbers::pi / 90.0);
  for (int z = 1; z <= test.ZoneCount; ++z) {
    for (int set = 1; set <= test.ReadingSets; ++set) test.KeReading[z][set] += shift;
  }
  return test;
}

// A measured surface on the grid of a mirror of diameter D (mm): the conic (K, R) plus
// an error profile (mm) given at each fraction of the semi-diameter.
inline SurfaceProfile ConicSurface(double K, double R, double D, double (*error)(double fraction)) {
  SurfaceProfile p;
  for (int i = 0; i <= 100; ++i) {
    p.ProfileR[i] = (i * D) / 200.0;
    p.ProfileZ[i] = ConicSag(p.ProfileR[i], K, R) + error(i / 100.0);
  }
  return p;
}

}  // namespace zonalyst::testing
