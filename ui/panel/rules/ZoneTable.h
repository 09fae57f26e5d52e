#pragma once

#include "core/MirrorTest.h"
#include "core/PhotoReadings.h"

#include <QString>

#include <array>
#include <vector>

namespace zonalyst::panel {

// The zone table of readings from photos (the photo readings dialog, the live tester's stepped
// mode). Its columns: zone, effective radius (mm), the reading from the photos and its
// uncertainty (test units), why it has or has not one, the test's average reading and the
// photos' reading less it (both empty for a test without readings).
inline constexpr int kZoneColumns = 7;
using ZoneRow = std::array<QString, kZoneColumns>;

std::array<QString, kZoneColumns> ZoneHeaders(const MirrorTest& test);
// One row per zone of the result, numbers with the user's decimal separator.
std::vector<ZoneRow> ZoneRows(const MirrorTest& test, const PhotoReadingsResult& result, QChar separator);

}  // namespace zonalyst::panel
