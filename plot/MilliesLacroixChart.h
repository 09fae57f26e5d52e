#pragma once

#include "PictureSurface.h"
#include "core/MilliesLacroix.h"
#include "core/MirrorTest.h"

namespace zonalyst::plot {

// Vertical scale of the tornado: the range (tol of zone 1 or the largest deviation,
// whichever is larger, rounded up to a multiple of 0.01 user units) spans 100 picture
// units, so the grid of five steps each way is always 20 units apart.
struct TornadoScale {
  double range = 0.0;     // user units at 100 picture units from the middle
  double unitsPer = 0.0;  // picture units per user unit of deviation
  double gridStep = 0.0;  // user units between grid lines
  static TornadoScale For(const MilliesLacroix& ml);
};

// Scale of the correction bars: the largest ratio in per cent, rounded, raised to a
// multiple of 50; 200 picture units span it. Absent (percent 0) when no ratio is positive.
struct CorrectionScale {
  double percent = 0.0;          // full height of the chart in per cent
  double unitsPerPercent = 0.0;  // picture units per per cent
  int barWidth = 0;              // Int(270 / (zones - 1))
  bool drawn() const { return percent != 0.0; }
  static CorrectionScale For(const MilliesLacroix& ml);
};

// Blue-green level of the vertical line j (5..w-5) of a bar of width w: full at the
// centre, darker towards the sides.
int BarShade(int j, int barWidth);

// First envelope sample (per cent of the semi-diameter): 5 % inside the first zone,
// never the centre itself, where the allowance has no finite value.
int EnvelopeStart(double firstZoneRadius, double diameter);

// Draws the Millies-Lacroix picture: the tornado on the right, the correction bars on
// the left. The record gives the zone radii, Roc and Diameter in user units.
void DrawMilliesLacroix(PictureSurface& s, const MirrorTest& test, const MilliesLacroix& ml);

}  // namespace zonalyst::plot
