#pragma once

#include "core/MirrorTest.h"

#include <string>

namespace zonalyst::analysis {

// The reference sliders 0..2 move the radius of curvature in steps of 0.001 mm around
// their middle: offset = (value - max / 2) x 0.001 mm.
double ReferenceOffsetMm(int value, int max);

// The second caption of a reference slider: the offset from the best fit
// (OffsetFromBestFitText), CR LF, and the hint naming the function key that resets it
// (4, 6 or 7).
std::string OffsetCaption(const MirrorTest& test, double offsetMm, int resetKey);

}  // namespace zonalyst::analysis
