#pragma once

#include "MirrorTest.h"

#include <functional>

namespace zonalyst {

// The conic constant the measured mirror matches best: DesiredConic is stepped up and
// then down by 0.1, 0.01 and 0.001 in turn while the RMS wavefront error at the
// best-fit radius keeps falling (an equal value goes on). The search changes
// DesiredConic in place; every trial recomputes through the caller.
struct ConicSearch {
  // Recomputes the analysis for the current DesiredConic and returns RmsWaves.
  std::function<double(MirrorTest&)> recompute;
  // Called after every trial (the window redraws and lets events run); returning
  // false stops the search.
  std::function<bool(const MirrorTest&)> afterTrial;
  // Bounds that keep a search on a surface without a minimum finite.
  double conicLimit = 1000.0;
  int maxTrials = 100000;
};

struct ConicSearchResult {
  double startConic = 0.0;  // DesiredConic before the search
  double bestConic = 0.0;   // the constant found (or reached when stopped)
  int trials = 0;
  bool stopped = false;  // stopped by the caller or by a bound before finishing
};

// Runs the search from the RMS of the analysis as currently shown (startRms) and leaves
// DesiredConic at the constant found. The caller asks whether to keep it.
ConicSearchResult FindBestFitConic(MirrorTest& test, double startRms, const ConicSearch& search);

}  // namespace zonalyst
