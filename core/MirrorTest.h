#pragma once

#include "Constants.h"

#include <algorithm>
#include <array>

namespace zonalyst {

// The one knife-edge test record. Lengths (Roc, Diameter, ZoneRadius, KeReading,
// KeAverage) are in the test's own units, millimetres or inches as Units says;
// computations convert copies and never change the record.
struct MirrorTest {
  int ZoneCount = 4;          // zones of the mask, 3..15
  int Units = 1;              // 0 millimetres, 1 inches
  int MovingSource = 0;       // 0 fixed light source, 1 moving (knife and source together)
  int ReadingSets = 1;        // reading sets per zone, 1..4
  int InnerOuterEntry = 1;    // 1 zones by inner and outer radius, 0 by effective radius
  double Roc = 0.0;           // entered radius of curvature, user units
  double Diameter = 0.0;      // optical diameter, user units
  double DesiredConic = 0.0;  // desired conic constant K: 0 sphere, -1 paraboloid

  // Rows 1..15 are zones. Column 0 inner radius (or the entered effective radius),
  // column 1 outer radius, column 2 the derived effective radius.
  std::array<std::array<double, 3>, 17> ZoneRadius{};
  // KeReading[z][s]: knife-edge reading of zone z (1..15) in set s (1..4), user units.
  std::array<std::array<double, 7>, 17> KeReading{};
  // Mean reading of each zone over the sets in use (derived; perturbed during a Monte Carlo run).
  std::array<double, 17> KeAverage{};

  bool MonteCarloRunning = false;
  bool MonteCarloAbort = false;

  bool inInches() const { return Units == 1; }
  // Factor that turns a user-unit length into millimetres.
  double mmPerUnit() const { return inInches() ? kMmPerInch : 1.0; }
  double rocMm() const { return Roc * mmPerUnit(); }
  double diameterMm() const { return Diameter * mmPerUnit(); }
  double effectiveRadius(int zone) const { return ZoneRadius[zone][2]; }
  // The zones in use: ZoneCount kept within 3..15, whatever a record being edited holds.
  int zones() const { return std::clamp(ZoneCount, kMinZones, kMaxZones); }
  // The reading sets in use: ReadingSets kept within 1..4.
  int sets() const { return std::clamp(ReadingSets, 1, kMaxReadingSets); }
};

// Fills KeAverage[1..15] with the mean of sets 1..ReadingSets; every row is averaged,
// in use or not. Skipped while a Monte Carlo run supplies its own averages. False when
// the sum of a zone's readings is too large to be a number (its average keeps its value).
bool AverageReadings(MirrorTest& test);

// The record of a test created anew: an 8" f/8 paraboloid in inches, four zones,
// one reading set, every zone and reading zero. The light source keeps its value.
void ResetToNewTestDefaults(MirrorTest& test);

}  // namespace zonalyst
