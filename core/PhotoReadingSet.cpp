#include "PhotoReadings.h"
#include "ReadingsValidation.h"

#include <algorithm>

namespace zonalyst {

int NextReadingSet(const MirrorTest& test) {
  if (!AnyReading(test) || test.sets() == kMaxReadingSets) return 1;
  return test.sets() + 1;
}

int LastFillableSet(const MirrorTest& test) {
  return AnyReading(test) ? std::min(kMaxReadingSets, test.sets() + 1) : 1;
}

std::vector<KeptReading> FillReadingSet(MirrorTest& test, const PhotoReadingsResult& result, int set) {
  const bool hadReadings = AnyReading(test);
  const int inUse = test.sets();
  const bool newSet = hadReadings && set > inUse;
  std::vector<KeptReading> kept;
  for (const ZoneNull& zone : result.zones) {
    auto& readings = test.KeReading[static_cast<std::size_t>(zone.zone)];
    double& value = readings[static_cast<std::size_t>(set)];
    if (zone.reading) {
      value = *zone.reading;
      continue;
    }
    if (newSet) {
      double sum = 0.0;
      for (int s = 1; s <= inUse; ++s) sum += readings[static_cast<std::size_t>(s)];
      value = sum / inUse;
    }
    kept.push_back({zone.zone, value, newSet});
  }
  test.ReadingSets = hadReadings ? std::max(inUse, set) : 1;
  AverageReadings(test);
  return kept;
}

}  // namespace zonalyst
