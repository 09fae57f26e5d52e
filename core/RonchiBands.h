#pragma once

#include "MirrorTest.h"
#include "SurfaceReduction.h"
#include "TesterControls.h"

namespace zonalyst {

// The bands a Ronchi grating of linesPerInch shows across the perfect mirror (the desired
// conic at the best-fit radius bestFitRocMm, mm) of a test reduced into profile, with the
// grating at the reading (test units): the width of the mirror's image in the grating's
// plane, 2 max |rho(r)| over the radii, in periods of the grating. Each period is one dark
// and one bright band of the Ronchigram.
double PerfectMirrorBands(const MirrorTest& test, const SurfaceProfile& profile, double bestFitRocMm, double reading,
                          double linesPerInch);

// Testers work with a few bands; each end of the slider shows at least this many.
inline constexpr double kRonchiEndBands = 8.0;

// The knife slider for a grating: KnifeSliderScale's span with each end moved out, where
// needed, until the perfect mirror shows at least kRonchiEndBands bands there, yet never
// farther out than the radius of curvature.
KnifeScale RonchiKnifeScale(const MirrorTest& test, const SurfaceProfile& profile, double bestFitRocMm,
                            double linesPerInch);

}  // namespace zonalyst
