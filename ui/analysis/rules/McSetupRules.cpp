#include "McSetupRules.h"

#include <algorithm>

#include "LocalisedText.h"
#include "core/NumberText.h"
#include "ui/entry/rules/EntryIndex.h"

namespace zonalyst::analysis {

std::string StdDevText(double value) { return FormatFixed(value, 4); }

entry::KeyVerdict FilterStdDevKey(QChar key, const entry::EditState& state, const QString& separator) {
  // The same rule as the setup's positive decimal boxes (the diameter box among them).
  return entry::FilterSetupKey(entry::kDiameterBox, key, state, separator);
}

double MeanOfZoneBoxes(const QStringList& texts, int zoneCount, QChar separator) {
  const int rows = std::min<int>(zoneCount, static_cast<int>(texts.size()));
  if (rows <= 0) return 0.0;
  double sum = 0.0;
  for (int k = 0; k < rows; ++k) sum += ReadTypedNumber(texts[k], separator);
  return sum / rows;
}

int NextZoneRow(int row, int direction, int zoneCount) {
  return std::clamp(row + direction, 0, std::max(zoneCount - 1, 0));
}

}  // namespace zonalyst::analysis
