#pragma once

#include "Astigmatism.h"

#include <string>
#include <vector>

namespace zonalyst {

// The astigmatism's figures in words, for the command line's text and the window alike.
// Numbers with "." as separator (the window swaps in the user's).

// A length of the readings' scale as the test's units show it: 4 decimals and " mm", or 5
// and " in".
std::string ReadingText(const AstigmatismFit& fit, double value);

// What the fit rests on: "Fit k(theta) = ... over 3 orientations, ..." (no closing colon: the
// window shows it as a status, the text puts the figures after it) or, with two, that a third
// is needed for the axis.
std::string AstigmatismHeading(const AstigmatismFit& fit);

struct FigureLine {
  std::string caption;
  std::string value;
};
// k0, A, the axis, the residual (or, with two orientations, their difference and the least
// A), the drift, the meridians' radius difference, the wavefront and surface P-V and the
// verdict, each with its units; lower bounds say "at least".
std::vector<FigureLine> AstigmatismFigures(const AstigmatismFit& fit);

}  // namespace zonalyst
