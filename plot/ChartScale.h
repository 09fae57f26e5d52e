#pragma once

#include "PictureSurface.h"

namespace zonalyst::plot {

// What the line charts of readings share: a colour per zone and round axis steps.

// Zone z's colour (1..15), bright on the black background and told apart side by side.
Rgb ZoneColour(int zone);

// The round step of about a sixth of the span: 1, 2 or 5 times a power of ten.
double RoundTickStep(double span);

// The fewest decimals (at most 6) that show the value exactly.
int FewestDecimals(double value);

}  // namespace zonalyst::plot
