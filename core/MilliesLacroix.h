#pragma once

#include "MirrorTest.h"

#include <array>

namespace zonalyst {

// The Millies-Lacroix judgement of the averaged knife-edge readings, zone by zone,
// against the diffraction-based allowance. Every length is in the test's own units
// (millimetres or inches), on the fixed-source scale of the readings. Arrays are
// indexed by zone, 1..ZoneCount.
struct MilliesLacroix {
  int zoneCount = 0;
  std::array<double, kMaxZones + 2> meas{};    // averaged reading, doubled for a moving source
  std::array<double, kMaxZones + 2> ideal{};   // -K h^2 / Roc, the reading a perfect mirror gives
  std::array<double, kMaxZones + 2> dev{};     // meas - ideal - shift
  std::array<double, kMaxZones + 2> ratio{};   // zones 2..N: achieved over desired correction; 0 when undefined
  std::array<bool, kMaxZones + 2> hasRatio{};  // zones 2..N: whether the ratio is defined (a desired correction)
  std::array<double, kMaxZones + 2> tol{};     // allowed deviation 2 Roc RTA / h
  std::array<double, kMaxZones + 2> rel{};     // |dev / tol|
  double rta = 0.0;                            // allowed transverse aberration
  double shift = 0.0;                          // common reference of the deviations, slider included
  double maxRta = 0.0;                         // largest rel (0 when there is none)
  double largestDev = 0.0;                     // largest |dev|
  double largestRatio = 0.0;                   // largest ratio, 0 when none is positive
};

// Allowed transverse aberration in user units: (Roc / Diameter) x 1.22 lambda / 2 for
// lambda = 548.64 nm (21.6 millionths of an inch).
double MilliesLacroixRta(const MirrorTest& test);

// The shift of the reference for a slider position (-100..100): one step is 0.01 mm,
// or 1/2540 inch for a test in inches.
double MilliesLacroixSliderShift(const MirrorTest& test, int sliderValue);

// Recomputes KeAverage from the readings (as the panel does on every drawing) and
// judges the zones with the slider at sliderValue; with the slider at 0 the
// deviations have zero mean.
MilliesLacroix ComputeMilliesLacroix(MirrorTest& test, int sliderValue);

}  // namespace zonalyst
