#pragma once

#include "PictureSurface.h"
#include "core/MirrorTest.h"
#include "core/QualityMetrics.h"

#include <optional>

namespace zonalyst::plot {

// The vertical scale of the transverse error chart: +/- fullScale spans the 200 units
// of the plot, grid lines every fullScale / 5. Values are in the normalized units of
// TransErr (lambda x focal ratio).
struct TransverseScale {
  double fullScale = 1.0;
  double gridStep = 0.2;
  double unitsPerValue = 100.0;  // picture units per unit of transverse error
};

// Full scale for a largest magnitude m: 1 up to m = 1, else the next multiple of 10 at
// or above m; then reduced to a fifth when m fills less than a fifth of it, to a half
// when m fills less than half. None when m is not a number or infinite.
std::optional<TransverseScale> ChooseTransverseScale(double largestMagnitude);

// Largest |TransErr| over samples 0..100.
double LargestTransverseError(const QualityMetrics& m);

// The normalized transverse error across the diameter on a grid symmetric about zero,
// with the radius axes and zone marks of the surface error chart and a vertical title.
void DrawTransverseError(PictureSurface& s, const MirrorTest& test, const QualityMetrics& m);

}  // namespace zonalyst::plot
