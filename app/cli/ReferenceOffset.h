#pragma once

#include "Options.h"
#include "core/MirrorTest.h"

#include <optional>
#include <string>

namespace zonalyst::cli {

// --offset MM: the reference radius's offset from the best fit, 0 when not given; nothing
// (with the problem) when it is no number of millimetres within +-1e6.
std::optional<double> OffsetOption(const Options& options, std::string& problem);

// The reference sphere of --offset (profile, export), offsetMm from the best-fit radius,
// must reach over the whole mirror: a radius within the semi-diameter has no point above
// the edge, and errors from it would run to billions of nanometres. Nothing when it
// reaches, else the usage problem.
std::optional<std::string> ReferenceOffsetProblem(const MirrorTest& test, double bestFitRocMm, double offsetMm);

}  // namespace zonalyst::cli
