#pragma once

#include <vector>

#include "core/MirrorTest.h"
#include "core/PhotoReadings.h"

namespace zonalyst::photos {

// The set the photos' readings go to unless the user chooses another: the first whose
// readings of the zones in use are all still 0, or set 1 when every set holds readings.
int ProposedSet(const MirrorTest& test);

// Writes each zone's reading from the photos into reading set `set` (1..4); a zone without
// one keeps the value it had. The test then uses at least `set` sets, and its averages
// follow. Returns the zones left as they were.
std::vector<int> FillReadingSet(MirrorTest& test, const PhotoReadingsResult& result, int set);

}  // namespace zonalyst::photos
