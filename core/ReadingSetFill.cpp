#include "ReadingSetFill.h"

#include "ReadingsValidation.h"
#include "Rounding.h"

#include <algorithm>

namespace zonalyst {

int NextReadingSet(const MirrorTest& test) {
  if (!AnyReading(test) || test.sets() == kMaxReadingSets) return 1;
  return test.sets() + 1;
}

int LastFillableSet(const MirrorTest& test) {
  return AnyReading(test) ? std::min(kMaxReadingSets, test.sets() + 1) : 1;
}

int FilledReadingDecimals(const MirrorTest& test) { return test.inInches() ? 4 : 3; }

ReadingSetFill FillReadingSet(MirrorTest& test, const ZoneReadings& readings, int set, UnmeasuredZones unmeasured) {
  const bool hadReadings = AnyReading(test);
  const int inUse = test.sets();
  // A set brought into use held no measured value anywhere; nor did a test without readings.
  const bool measuredBefore = hadReadings && set <= inUse;
  ReadingSetFill fill;
  const int zones = std::min(test.zones(), static_cast<int>(readings.size()));
  for (int z = 1; z <= zones; ++z) {
    if (readings[static_cast<std::size_t>(z - 1)]) {
      ++fill.filled;
    } else {
      (measuredBefore ? fill.kept : fill.unmeasured).push_back(z);
    }
  }
  if (fill.filled == 0) return fill;
  if (!fill.unmeasured.empty() && unmeasured == UnmeasuredZones::Refuse) {
    fill.outcome = ReadingSetFill::Outcome::Unmeasured;
    return fill;
  }
  const auto su = static_cast<std::size_t>(set);
  for (int z = 1; z <= zones; ++z) {
    auto& zone = test.KeReading[static_cast<std::size_t>(z)];
    if (const auto& reading = readings[static_cast<std::size_t>(z - 1)]) {
      zone[su] = RoundHalfEven(*reading, FilledReadingDecimals(test));
    } else if (hadReadings && !measuredBefore) {
      double sum = 0.0;
      for (int s = 1; s <= inUse; ++s) sum += zone[static_cast<std::size_t>(s)];
      zone[su] = sum / inUse;
    }
  }
  test.ReadingSets = hadReadings ? std::max(inUse, set) : 1;
  AverageReadings(test);
  fill.outcome = ReadingSetFill::Outcome::Filled;
  return fill;
}

std::string ZoneListText(const std::vector<int>& zones) {
  std::string text;
  for (std::size_t i = 0; i < zones.size(); ++i) {
    if (i > 0) text += i + 1 == zones.size() ? " and " : ", ";
    text += std::to_string(zones[i]);
  }
  return text;
}

}  // namespace zonalyst
