#pragma once

#include "core/MonteCarlo.h"

#include <string>

namespace zonalyst::ui {

// What the Monte Carlo run and its set-up dialog hand each other. The standard
// deviations are in the test's units, zones 1..15; they last as long as the program.
struct MonteCarloValues {
  ZoneValues zoneStdDev{};      // calculated by the run, replaced by the dialog's GO
  ZoneValues lastStdDev{};      // the values of the previous GO (0 before the first)
  double meanStdDev = 0.0;      // mean of the calculated values over the zones
  double lastMeanStdDev = 0.0;  // the manual-entry mean of the previous GO
  int zoneCount = 0;
  double radiusOfCurvature = 0.0;  // of the test: GO refuses a zone that scatters more
  bool cancelled = true;           // set when the dialog opens, cleared only by GO
  std::string rawData;             // the histogram table of the last run, for the clipboard
};

}  // namespace zonalyst::ui
