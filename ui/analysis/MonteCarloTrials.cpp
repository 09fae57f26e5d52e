#include "MonteCarloTrials.h"

namespace zonalyst::ui {
namespace {

// A fraction of a millisecond of trials: the picture of the next tick is never staler, and
// copying the histograms costs next to nothing beside the trials.
constexpr int kPublishEvery = 32;

}  // namespace

MonteCarloTrials::MonteCarloTrials(const MirrorTest& test, const SurfaceAnalysis& analysis, const ZoneValues& sd,
                                   double meanSd, const UniformSource& random)
    : test_(test), analysis_(analysis), random_(random), run_(test_, analysis_, sd, meanSd) {
  publish();
}

void MonteCarloTrials::run(const WorkerRun& worker) {
  while (!worker.stopRequested() && !run_.done()) {
    run_.runTrial(random_);
    if (run_.trials() % kPublishEvery == 0) publish();
  }
  publish();
}

void MonteCarloTrials::publish() {
  // The measures shown are those of a trial that reduced: a failed one has none to show.
  if (run_.trials() > 0 && analysis_.reducible()) lastTrial_ = analysis_.metrics();
  progress_.publish({plot::MonteCarloChartData::Of(run_, test_.inInches()), lastTrial_});
}

}  // namespace zonalyst::ui
