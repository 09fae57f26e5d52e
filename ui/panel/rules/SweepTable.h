#pragma once

#include "core/MirrorTest.h"
#include "core/SweepReadings.h"

#include <QString>

#include <array>
#include <vector>

namespace zonalyst::panel {

// The zone table of a sweep (the photo readings dialog on a recorded one, the live tester's
// sweep mode): zone, effective radius (mm), the mean of the passes in and
// out, the reading (their mean, or one direction's), in - out, the uncertainty, the status
// and the test's average reading; lengths in test units.
inline constexpr int kSweepColumns = 9;
using SweepRow = std::array<QString, kSweepColumns>;

SweepRow SweepHeaders(const MirrorTest& test);
// A reading or a knife position in the test's units as the table shows it: to 0.001 mm or
// 0.0001 inch; empty for none.
QString ReadingText(const MirrorTest& test, std::optional<double> value, QChar separator);
std::vector<SweepRow> SweepRows(const MirrorTest& test, const SweepResult& result, QChar separator);

// The passes in a line each: "Pass 1 in: 9.80 to 13.20 mm at 0.21 mm/s, 84 frames", with
// "too fast for the dial" where it was.
std::vector<QString> PassLines(const MirrorTest& test, const SweepResult& result, const std::vector<bool>& tooFast,
                               QChar separator);

}  // namespace zonalyst::panel
