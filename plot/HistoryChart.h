#pragma once

#include "PictureSizes.h"
#include "PictureSurface.h"
#include "core/MirrorTest.h"
#include "core/QualityMetrics.h"

#include <vector>

namespace zonalyst::plot {

// The figuring history: the surface error chart above, a trend chart of RMS and Strehl
// below.
inline constexpr PictureSize kHistoryPicture{740, 440};

// Where the trend chart draws test k of n: its x, and the y of an RMS (nm) and of a
// Strehl ratio. RMS runs from 0 at the base to rmsTop at the top, Strehl from 0 to 1.
struct TrendFrame {
  double left = 110.0, right = 630.0, top = 310.0, base = 410.0;
  int count = 1;
  double rmsTop = 1.0;  // nm; the axis end, a round number at or above every RMS

  double x(int k) const { return left + (right - left) * (k + 0.5) / count; }
  double yRms(double nanometres) const { return base - (base - top) * nanometres / rmsTop; }
  double yStrehl(double strehl) const { return base - (base - top) * strehl; }
};

// The round axis end for the largest RMS: 1, 2 or 5 times a power of ten, at least 1 nm.
double RoundAxisEnd(double largest);

// The error curves of every test overlaid on the surface error chart's scale (chosen for
// the largest P-V among them), older ones fainter, the latest bright red with its axes and
// zone marks; below, the RMS (green) and Strehl (yellow) of each test, oldest on the left.
// The metrics are those at each test's best-fit radius; latest is the newest test.
void DrawHistory(PictureSurface& s, const MirrorTest& latest, const std::vector<const QualityMetrics*>& oldestFirst);

}  // namespace zonalyst::plot
