#include "ZoneReport.h"

#include <algorithm>

#include "ConicGeometry.h"
#include "NumberText.h"
#include "Rounding.h"

namespace zonalyst {

ZoneReport BuildZoneReport(const MirrorTest& test, double bestFitRocMm) {
  ZoneReport report;
  report.unitsLine = std::string(test.inInches() ? "Units are in Inches, " : "Units are in Millimeters, ") +
                     (test.MovingSource == 1 ? "Light source is Moving, " : "Light source is Fixed, ");
  const double bestFitRoc = test.inInches() ? bestFitRocMm / kMmPerInch : bestFitRocMm;
  report.mirrorLine = "Mirror Diameter = " + FormatGeneral(test.Diameter) +
                      "     Best fit Radius of Curvature = " + FormatRounded(bestFitRoc, 3) +
                      "     Desired deformation = " + FormatGeneral(test.DesiredConic);

  const int zones = std::clamp(test.ZoneCount, kMinZones, kMaxZones);
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
      const double zoneDelta = measured(z) - measured(z - 1);
      const double idealDelta = ideal - IdealReading(test, z - 1);
      row[5] = FormatFixed(zoneDelta, 3);
      row[6] = FormatFixed(idealDelta, 3);
      if (idealDelta != 0.0) row[7] = FormatTwoDigits(100.0 * zoneDelta / idealDelta) + "%";
    }
    report.rows.push_back(row);
  }
  return report;
}

}  // namespace zonalyst
