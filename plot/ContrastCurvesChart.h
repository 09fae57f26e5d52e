#pragma once

#include "PictureSurface.h"
#include "core/PhotoReadings.h"

namespace zonalyst::plot {

// The picture of the photo readings' contrast curves, in picture units.
inline constexpr int kContrastChartWidth = 640;
inline constexpr int kContrastChartHeight = 420;

// Clears the picture and draws each zone's contrast c = (L - R) / (L + R) against the knife
// position (test units, inches when inches): the frames as dots joined by the curve, the null
// marked where the zone has a reading, and the zones without one greyed, with a legend.
void DrawContrastCurves(PictureSurface& s, const PhotoReadingsResult& result, bool inches);

}  // namespace zonalyst::plot
