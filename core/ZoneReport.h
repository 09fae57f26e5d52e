#pragma once

#include "MirrorTest.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst {

// The report below an exported picture: two heading lines and a table of eight
// columns, one row per zone, numbers in the test's units formatted "0.000".
struct ZoneReport {
  std::string unitsLine;  // "Units are in Inches, Light source is Moving, "
  std::string
      mirrorLine;  // "Mirror Diameter = ...     Best fit Radius of Curvature = ...     Desired deformation = ..."
  static constexpr std::array<const char*, 8> kUpperHeadings = {"", "Effective", "Average", "Ideal",
                                                                "", "",          "Ideal",   "% Zonal"};
  static constexpr std::array<const char*, 8> kLowerHeadings = {
      "Zone", "Radius", "Knife Reading", "Knife Reading", "Difference", "Zone Delta", "Zone Delta", "Correction"};
  std::vector<std::array<std::string, 8>> rows;  // empty cells where a column does not apply
  std::string measuredSpanLine;                  // under the table: the RMS over the measured zones (MeasuredSpanNote)
};

// Zone z's % zonal correction: 100 x its measured zone delta (KeAverage, current) over
// the ideal one. None for zone 1 and where the ideal delta is 0 (a sphere).
std::optional<double> ZonalCorrectionPercent(const MirrorTest& test, int z);

// Builds the report from the record (effective radii and KeAverage current) and the
// best-fit radius in millimetres.
ZoneReport BuildZoneReport(const MirrorTest& test, double bestFitRocMm);

}  // namespace zonalyst
