#pragma once

#include "core/MirrorTest.h"
#include "core/SweepReadings.h"

#include <QString>

#include <array>
#include <vector>

namespace zonalyst::livetester {

// The zone table of sweep mode: zone, effective radius (mm), the mean of the passes in and
// out, the reading (their mean, or one direction's), in - out, the uncertainty, the status
// and the test's average reading; lengths in test units.
inline constexpr int kSweepColumns = 9;
using SweepRow = std::array<QString, kSweepColumns>;

SweepRow SweepHeaders(const MirrorTest& test);
std::vector<SweepRow> SweepRows(const MirrorTest& test, const SweepResult& result, QChar separator);

// The passes in a line each: "Pass 1 in: 9.80 to 13.20 mm at 0.21 mm/s, 84 frames", with
// "too fast for the dial" where it was.
std::vector<QString> PassLines(const MirrorTest& test, const SweepResult& result, const std::vector<bool>& tooFast,
                               QChar separator);

}  // namespace zonalyst::livetester
