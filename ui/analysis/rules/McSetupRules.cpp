#include "McSetupRules.h"

#include "LocalisedText.h"
#include "core/NumberText.h"
#include "ui/entry/rules/EntryIndex.h"

#include <algorithm>

namespace zonalyst::analysis {

std::string StdDevText(double value) { return FormatFixed(value, 4); }

entry::KeyVerdict FilterStdDevKey(QChar key, const entry::EditState& state, const QString& separator) {
  // The same rule as the setup's positive decimal boxes (the diameter box among them).
  return entry::FilterSetupKey(entry::kDiameterBox, key, state, separator);
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

int NextZoneRow(int row, int direction, int zoneCount) {
  return std::clamp(row + direction, 0, std::max(zoneCount - 1, 0));
}

}  // namespace zonalyst::analysis
