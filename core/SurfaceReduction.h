#pragma once

#include "Constants.h"
#include "MirrorTest.h"

#include <array>

namespace zonalyst {

// The measured surface of the mirror, reduced from the averaged knife-edge readings.
// All lengths in millimetres. Overwritten by every reduction; an assignment whose
// arithmetic fails keeps the value of the previous reduction.
struct SurfaceProfile {
  std::array<double, kZoneRoom> ZoneH{};          // 0 centre, 1..N effective zone radii, N+1 the edge
  std::array<double, kZoneRoom> ZoneK{};          // zone readings, halved for a fixed source
  std::array<double, kZoneRoom> ZoneSlopeErr{};   // measured minus fitted slope at each zone
  std::array<double, kZoneRoom> ZoneHeightErr{};  // integral of the slope error from the centre
  double FitIntercept = 0.0;                      // reading of the paraxial centre of curvature
  double FitConic = 0.0;                          // conic constant implied by the readings' slope against h^2
  double RocMm = 0.0;                             // entered radius of curvature
  int ZoneCount = 0;                              // zones of the reduction; ZoneH[ZoneCount + 1] is the edge
  std::array<double, kGridRoom> ProfileR{};       // grid radius r_i = i * D / 200, i = 0..100
  std::array<double, kGridRoom> ProfileZ{};       // measured sagitta at r_i
};

// Reduces KeAverage of the test to the measured surface sampled on the radial grid:
// a least-squares carrier conic through the readings against h^2, the slope errors
// at each zone integrated outwards by the trapezoid rule, and the exact integral of
// the linearly interpolated slope error added to the carrier at every grid radius.
// Returns the entered radius of curvature in millimetres.
double ReduceReadings(const MirrorTest& test, SurfaceProfile& profile);

// Height (sagitta from the vertex, mm) and slope dz/dr of a mirror surface at one radius.
struct SurfacePoint {
  double height = 0.0;
  double slope = 0.0;
};

// The measured surface of the last reduction at any radius r (mm), from the reduction's
// own formula rather than from the grid samples: the fitted conic plus the slope error,
// interpolated linearly between the zones of the interval that holds r and integrated
// exactly. Inside the first zone the slope error runs from 0 at the centre; outside the
// last zone it is held constant, also beyond the edge.
SurfacePoint MeasuredSurfaceAt(const SurfaceProfile& profile, double r);

}  // namespace zonalyst
