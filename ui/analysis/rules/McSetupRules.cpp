#include "McSetupRules.h"

#include "LocalisedText.h"
#include "core/NumberText.h"

#include <algorithm>

namespace zonalyst::analysis {

std::string StdDevText(double value) { return FormatFixed(value, 4); }

panel::KeyVerdict FilterStdDevKey(QChar key, const panel::EditState& state, const QString& separator) {
  return panel::FilterNumberKey(panel::NumberKind::Real, key, state, separator);
}

double HeldValue(const QString& shown, double filledWith, QChar separator) {
  if (shown == LocalisedNumbersIn(StdDevText(filledWith), separator)) return filledWith;
  return ReadTypedNumber(shown, separator);
}

std::optional<int> ZoneBeyondRadius(const ZoneValues& sd, int zoneCount, double roc) {
  for (int z = 1; z <= zoneCount && z < static_cast<int>(sd.size()); ++z) {
    if (sd[z] > roc) return z;
  }
  return std::nullopt;
}

std::string ZoneBeyondRadiusMessage(int zone, double sd, double roc) {
  return "The standard deviation of zone " + std::to_string(zone) + ", " + StdDevText(sd) +
         ", is larger than the radius of curvature of this test, " + FormatRounded(roc, 4) +
         ".\r\nNo readings scatter that far: please enter a smaller one.";
}

bool NoZoneScatters(const ZoneValues& sd, int zoneCount) {
  for (int z = 1; z <= zoneCount && z < static_cast<int>(sd.size()); ++z) {
    if (StdDevText(sd[z]) != StdDevText(0.0)) return false;
  }
  return true;
}

int NextZoneRow(int row, int direction, int zoneCount) {
  return std::clamp(row + direction, 0, std::max(zoneCount - 1, 0));
}

}  // namespace zonalyst::analysis
