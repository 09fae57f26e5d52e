#include "ReadingSetFill.h"

#include <algorithm>

namespace zonalyst::photos {

int ProposedSet(const MirrorTest& test) {
  for (int set = 1; set <= kMaxReadingSets; ++set) {
    bool empty = true;
    for (int zone = 1; zone <= test.zones(); ++zone) empty = empty && test.KeReading[zone][set] == 0.0;
    if (empty) return set;
  }
  return 1;
}

std::vector<int> FillReadingSet(MirrorTest& test, const PhotoReadingsResult& result, int set) {
  std::vector<int> unread;
  for (const ZoneNull& zone : result.zones) {
    if (zone.reading) {
      test.KeReading[static_cast<std::size_t>(zone.zone)][static_cast<std::size_t>(set)] = *zone.reading;
    } else {
      unread.push_back(zone.zone);
    }
  }
  test.ReadingSets = std::max(test.sets(), set);
  AverageReadings(test);
  return unread;
}

}  // namespace zonalyst::photos
