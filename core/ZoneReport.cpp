#include "ZoneReport.h"

#include "ConicGeometry.h"
#include "NumberText.h"
#include "Rounding.h"

#include <algorithm>

namespace zonalyst {

namespace {

double ZoneDelta(const MirrorTest& test, int z) { return test.KeAverage[z] - test.KeAverage[z - 1]; }
double IdealDelta(const MirrorTest& test, int z) { return IdealReading(test, z) - IdealReading(test, z - 1); }

}  // namespace

std::optional<double> ZonalCorrectionPercent(const MirrorTest& test, int z) {
  if (z < 2) return std::nullopt;
  const double idealDelta = IdealDelta(test, z);
  if (idealDelta == 0.0) return std::nullopt;
  return 100.0 * ZoneDelta(test, z) / idealDelta;
}

ZoneReport BuildZoneReport(const MirrorTest& test, double bestFitRocMm) {
  ZoneReport report;
  report.unitsLine = std::string(test.inInches() ? "Units are in Inches, " : "Units are in Millimeters, ") +
                     (test.MovingSource == 1 ? "Light source is Moving, " : "Light source is Fixed, ");
  const double bestFitRoc = test.inInches() ? bestFitRocMm / kMmPerInch : bestFitRocMm;
  report.mirrorLine = "Mirror Diameter = " + FormatGeneral(test.Diameter) +
                      "     Best fit Radius of Curvature = " + FormatRounded(bestFitRoc, 3) +
                      "     Desired deformation = " + FormatGeneral(test.DesiredConic);

  const int zones = test.zones();
  const auto measured = [&](int z) { return test.KeAverage[z]; };
  for (int z = 1; z <= zones; ++z) {
    std::array<std::string, 8> row{};
    const double average = measured(z) - measured(1);
    const double ideal = IdealReading(test, z);
    row[0] = std::to_string(z);
    row[1] = FormatFixed(test.effectiveRadius(z), 3);
    row[2] = FormatFixed(average, 3);
    row[3] = FormatFixed(ideal, 3);
    // The difference of the two columns as printed.
    row[4] = FormatFixed(RoundHalfEven(average, 3) - RoundHalfEven(ideal, 3), 3);
    if (z >= 2) {
      row[5] = FormatFixed(ZoneDelta(test, z), 3);
      row[6] = FormatFixed(IdealDelta(test, z), 3);
      if (const auto correction = ZonalCorrectionPercent(test, z)) row[7] = FormatTwoDigits(*correction) + "%";
    }
    report.rows.push_back(row);
  }
  return report;
}

}  // namespace zonalyst
