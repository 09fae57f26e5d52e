#pragma once

#include "MirrorTest.h"
#include "SurfaceAnalysis.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace zonalyst {

// Per-zone standard deviations of the knife-edge readings (user units), zones 1..15.
using ZoneValues = std::array<double, 17>;

struct ReadingScatter {
  ZoneValues sd{};      // zones beyond ZoneCount stay 0
  double meanSd = 0.0;  // mean over zones 1..ZoneCount
};

// The scatter of each zone's readings between the reading sets, after removing
// every set's own zero offset (each set's mean over the zones becomes 1.0): the
// sample standard deviation (n-1). A single set assumes 0.127 mm (0.005 inch). A zone whose
// sets hold the same reading (one copied from another, as a set filled from photographs may
// hold at a zone they did not read) takes the mean of the zones that scatter, or the single
// set's assumption when none does: never 0 for want of a second measurement.
ReadingScatter CalculateReadingScatter(const MirrorTest& test);

// Mean of the values of zones 1..zoneCount.
double MeanOverZones(const ZoneValues& values, int zoneCount);

// Uniform numbers on [0, 1) in single precision, from a seedable generator.
class UniformSource {
 public:
  explicit UniformSource(std::uint32_t seed) : engine_(seed) {}
  double next() { return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f); }

 private:
  std::mt19937 engine_;
};

// A pair of independent standard normal deviates by the polar method from a source
// of uniform numbers on [0, 1) (anything with next()); pairs with s = 0, where the
// logarithm has no value, are drawn again like those with s > 1.
template <typename Uniform>
std::pair<double, double> PolarNormalPair(Uniform& uniform) {
  double u = 0.0, v = 0.0, s = 0.0;
  do {
    u = 2.0 * uniform.next() - 1.0;
    v = 2.0 * uniform.next() - 1.0;
    s = u * u + v * v;
  } while (s > 1.0 || s == 0.0);
  const double f = std::sqrt(-2.0 * std::log(s) / s);
  return {u * f, v * f};
}

inline constexpr int kStrehlBins = 101;  // bin b: b - 1 < 100 S <= b
inline constexpr int kRmsBins = 501;     // bin b: RMS surface error rounded to b nm (< 300 counted)

// The Strehl bin of a trial (100 S rounded up), or -1 outside the histogram.
int StrehlBin(double strehl);
// The RMS bin of a trial (nanometres rounded, halves to even), or -1 from 300 nm on.
int RmsBin(double rmsNanometres);

// The axis range and the confidence ranges of one histogram chart. Bins are per
// cent of Strehl or nanometres. A range that was never reached keeps lower 101, upper 0.
struct ChartRange {
  int lo = 0, hi = 0;
  int peak = 0;
  int barWidth = 0;
  int lower68 = 101, upper68 = 0;
  int lower95 = 101, upper95 = 0;
  bool reached68() const { return lower68 != 101; }
  bool reached95() const { return lower95 != 101; }
};

// Range of bins 1..100 with more than 5 trials, rounded out to tens; the 68 and 95
// per cent ranges found by lowering a line through the chart. No range when no bin
// holds more than 5 trials.
template <std::size_t N>
std::optional<ChartRange> ComputeChartRange(const std::array<std::int32_t, N>& histogram, int trials);

// Whether more than one trial in a hundred failed to reduce to a surface: the standard
// deviation is then larger than the readings can bear, and the run shows no ranges.
bool TooManyTrialsFailed(int failedTrials, int trials);

// One Monte Carlo run: perturbs the nominal zone averages with Gaussian noise of each
// zone's standard deviation, analyses every trial as the surface error panel does
// (MonteCarloRunning set, no averaging) and bins the Strehl ratio and RMS error. A
// trial whose readings do not reduce to a surface (SurfaceAnalysis::reducible) counts
// as failed and is left out of the bins and of the shares of the chart ranges; when too
// many fail, the run has no ranges at all.
// Trials run one at a time so that a window can draw and let events run between them.
class MonteCarloRun {
 public:
  static constexpr int kMaxTrials = 10000;

  // Starts the run: remembers the nominal averages and sets MonteCarloRunning.
  MonteCarloRun(MirrorTest& test, SurfaceAnalysis& analysis, const ZoneValues& sd, double meanSd,
                int trialLimit = kMaxTrials);
  MonteCarloRun(const MonteCarloRun&) = delete;
  MonteCarloRun& operator=(const MonteCarloRun&) = delete;
  ~MonteCarloRun();

  // One trial; returns false when the run is complete or aborted (MonteCarloAbort).
  bool runTrial(UniformSource& uniform);
  bool done() const;

  // Restores the nominal averages, recomputes the nominal metrics, clears both flags.
  void finish();

  int trials() const { return trials_; }
  int failedTrials() const { return failed_; }
  double meanSd() const { return meanSd_; }
  const std::array<std::int32_t, kStrehlBins>& strehlHistogram() const { return strehl_; }
  const std::array<std::int32_t, kRmsBins>& rmsHistogram() const { return rms_; }
  bool tooManyFailed() const { return TooManyTrialsFailed(failed_, trials_); }
  std::optional<ChartRange> strehlRange() const { return rangeOf(strehl_); }
  std::optional<ChartRange> rmsRange() const { return rangeOf(rms_); }

 private:
  template <std::size_t N>
  std::optional<ChartRange> rangeOf(const std::array<std::int32_t, N>& histogram) const {
    if (tooManyFailed()) return std::nullopt;
    return ComputeChartRange(histogram, trials_ - failed_);
  }
  void perturb(UniformSource& uniform);
  void recordTrial();

  MirrorTest& test_;
  SurfaceAnalysis& analysis_;
  ZoneValues base_{};
  ZoneValues sd_{};
  double meanSd_ = 0.0;
  int trialLimit_ = kMaxTrials;
  int trials_ = 0;
  int failed_ = 0;
  bool finished_ = false;
  std::array<std::int32_t, kStrehlBins> strehl_{};
  std::array<std::int32_t, kRmsBins> rms_{};
};

// The tab-separated histogram table offered for the clipboard: Strehl 0.00..1.00 and
// RMS 0..100 nm with their counts.
std::string McRawData(const std::array<std::int32_t, kStrehlBins>& strehl,
                      const std::array<std::int32_t, kRmsBins>& rms);

}  // namespace zonalyst
