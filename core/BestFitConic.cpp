#include "BestFitConic.h"

#include <cmath>

namespace zonalyst {

ConicSearchResult FindBestFitConic(MirrorTest& test, double startRms, const ConicSearch& search) {
  ConicSearchResult result;
  result.startConic = test.DesiredConic;
  double rms = startRms;

  // One trial at DesiredConic + delta; false when the search must stop.
  const auto trial = [&](double delta, double& previous) {
    test.DesiredConic += delta;
    previous = rms;
    rms = search.recompute(test);
    ++result.trials;
    const bool carryOn = !search.afterTrial || search.afterTrial(test);
    if (!carryOn || result.trials >= search.maxTrials || !(std::abs(test.DesiredConic) <= search.conicLimit)) {
      result.stopped = true;
    }
    return !result.stopped;
  };

  for (const double step : {0.1, 0.01, 0.001}) {
    for (const double direction : {1.0, -1.0}) {
      double previous = 0.0;
      do {
        if (!trial(direction * step, previous)) {
          result.bestConic = test.DesiredConic;
          return result;
        }
      } while (!(rms > previous));
      test.DesiredConic -= direction * step;
    }
  }
  result.bestConic = test.DesiredConic;
  return result;
}

}  // namespace zonalyst
