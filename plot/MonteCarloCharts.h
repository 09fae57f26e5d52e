#pragma once

#include "PictureSurface.h"
#include "core/MonteCarlo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zonalyst::plot {

// What the two Monte Carlo histograms show: the counts so far, the number of trials
// they hold and the mean standard deviation of the readings (user units).
struct MonteCarloChartData {
  std::array<std::int32_t, kStrehlBins> strehl{};
  std::array<std::int32_t, kRmsBins> rms{};
  int trials = 0;
  int failedTrials = 0;  // of trials: left out of the bins and of the ranges' shares
  double meanSd = 0.0;
  bool inches = false;

  static MonteCarloChartData Of(const MonteCarloRun& run, bool inches);
};

// The ranges the charts were drawn with; none for a chart without a bin above 5.
struct MonteCarloChartRanges {
  std::optional<ChartRange> strehl;
  std::optional<ChartRange> rms;
};

// Colour of one vertical line of a histogram bar: green inside the 68 per cent range,
// orange inside the 95 per cent range only, red outside, dimmed by (1/d)^0.3 at a
// distance d (picture units) from the bar's centre; full colour within one unit of it.
Rgb HistogramBarColour(int bin, const ChartRange& range, double distance);

// Tick labels: a Strehl bin as a fraction in the pattern ".00" ("1" for bin 100); an
// RMS bin as its whole nanometres.
std::string StrehlTickLabel(int bin);
std::string RmsTickLabel(int bin);

// Clears the picture and draws the Strehl histogram (left) and the RMS histogram
// (right) side by side with their axes, the title and the trial count. A chart
// without a range draws its axes and captions only. A run with too many failed trials
// (TooManyTrialsFailed) has no charts and no ranges: the picture says how many failed.
MonteCarloChartRanges DrawMonteCarloCharts(PictureSurface& s, const MonteCarloChartData& data);

}  // namespace zonalyst::plot
