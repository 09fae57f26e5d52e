#pragma once

#include "PictureSurface.h"
#include "core/PhotoReadings.h"
#include "core/SweepReadings.h"

namespace zonalyst::plot {

// The picture of the photo readings' contrast curves, in picture units.
inline constexpr int kContrastChartWidth = 640;
inline constexpr int kContrastChartHeight = 420;

// Where the chart draws: the plot area in picture units, the knife positions it spans
// (test units) and the contrast at its top (the bottom is its negative).
struct ContrastFrame {
  double left = 70.0, right = 480.0, top = 40.0, base = 360.0;
  double positionMin = 0.0, positionMax = 1.0;
  double contrastTop = 1.0;

  double x(double position) const {
    return left + (right - left) * (position - positionMin) / (positionMax - positionMin);
  }
  double y(double contrast) const { return (top + base) / 2.0 - (base - top) / 2.0 * contrast / contrastTop; }

  // The frame for the result: the positions photographed, widened by half a step at each end
  // (a single position by 1 unit either way), and the smallest of 0.01, 0.02, 0.05, 0.1, ... 1 at or above
  // every finite contrast.
  static ContrastFrame For(const PhotoReadingsResult& result);
  // The frame for a sweep: the knife positions of its curves, widened by 2 % of their span at
  // each end, and the contrast as above.
  static ContrastFrame For(const SweepResult& result);
};

// Clears the picture and draws each zone's contrast c = (L - R) / (L + R) against the knife
// position (test units, inches when inches): the frames as dots joined by the curve, the null
// marked where the zone has a reading, and the zones without one greyed, with a legend.
void DrawContrastCurves(PictureSurface& s, const PhotoReadingsResult& result, bool inches);

// Clears the picture and draws a sweep's curves: each zone's contrast in each pass against the
// knife position, each pass in its own colour (the zones without a reading greyed), each
// zone's reading marked on the zero line in white, with a legend of the passes and readings.
void DrawSweepCurves(PictureSurface& s, const SweepResult& result, bool inches);

}  // namespace zonalyst::plot
