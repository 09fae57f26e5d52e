#pragma once

#include "core/MonteCarlo.h"
#include "plot/MonteCarloCharts.h"
#include "ui/panel/WorkerRun.h"

#include <optional>

namespace zonalyst::ui {

// What the window shows of a Monte Carlo run while it goes on: the histograms of the
// trials so far and the six measures of the last trial that reduced to a surface.
struct MonteCarloProgress {
  plot::MonteCarloChartData charts;
  std::optional<QualityMetrics> lastTrial;
};

// The trials of one Monte Carlo run, made on a worker thread on copies of the test, of its
// analysis and of the window's random stream: the window's test keeps its values, and the
// stream goes on after the run where the trials left it, as if the window had made them.
class MonteCarloTrials {
 public:
  MonteCarloTrials(const MirrorTest& test, const SurfaceAnalysis& analysis, const ZoneValues& sd, double meanSd,
                   const UniformSource& random);

  // On the worker: the trials, until all are made or the worker is asked to stop. The
  // progress is published every few trials and after the last.
  void run(const WorkerRun& worker);

  // On the event loop, while the trials run.
  MonteCarloProgress progress() const { return progress_.latest(); }
  // Once the worker has ended: the whole run, and the stream as the trials left it.
  const MonteCarloRun& result() const { return run_; }
  const UniformSource& random() const { return random_; }

 private:
  void publish();

  MirrorTest test_;
  SurfaceAnalysis analysis_;
  UniformSource random_;
  MonteCarloRun run_;
  std::optional<QualityMetrics> lastTrial_;
  Published<MonteCarloProgress> progress_;
};

}  // namespace zonalyst::ui
