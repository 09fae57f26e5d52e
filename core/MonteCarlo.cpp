#include "MonteCarlo.h"

#include "NumberText.h"
#include "Rounding.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

namespace {

// True when every set holds the same reading of the zone: a copy, or too few readings to
// tell their scatter.
bool SetsAgreeExactly(const MirrorTest& test, int zone) {
  const auto& readings = test.KeReading[static_cast<std::size_t>(zone)];
  for (int s = 2; s <= test.sets(); ++s) {
    if (readings[static_cast<std::size_t>(s)] != readings[1]) return false;
  }
  return true;
}

}  // namespace

ReadingScatter CalculateReadingScatter(const MirrorTest& test) {
  ReadingScatter scatter;
  const int zones = test.zones();
  const int sets = test.sets();
  const double assumed = test.inInches() ? 0.005 : 0.127;
  if (sets < 2) {
    for (int z = 1; z <= zones; ++z) scatter.sd[z] = assumed;
  } else {
    // Every set is freed of its own zero offset before the zones are compared.
    std::array<double, kMaxReadingSets + 1> offset{};
    for (int s = 1; s <= sets; ++s) {
      double sum = 0.0;
      for (int z = 1; z <= zones; ++z) sum += test.KeReading[z][s];
      offset[s] = sum / zones - 1.0;
    }
    for (int z = 1; z <= zones; ++z) {
      double mean = 0.0;
      for (int s = 1; s <= sets; ++s) mean += test.KeReading[z][s] - offset[s];
      mean /= sets;
      double squares = 0.0;
      for (int s = 1; s <= sets; ++s) {
        const double deviation = mean - (test.KeReading[z][s] - offset[s]);
        squares += deviation * deviation;
      }
      scatter.sd[z] = std::sqrt(squares / (sets - 1));
    }
    // A zone whose sets agree exactly tells nothing of its scatter: it takes the mean of the
    // zones that do scatter, or the single set's assumption when none does.
    double sum = 0.0;
    int scattered = 0;
    for (int z = 1; z <= zones; ++z) {
      if (SetsAgreeExactly(test, z)) continue;
      sum += scatter.sd[z];
      ++scattered;
    }
    for (int z = 1; z <= zones; ++z) {
      if (SetsAgreeExactly(test, z)) scatter.sd[z] = scattered > 0 ? sum / scattered : assumed;
    }
  }
  scatter.meanSd = MeanOverZones(scatter.sd, zones);
  return scatter;
}

double MeanOverZones(const ZoneValues& values, int zoneCount) {
  const int zones = std::clamp(zoneCount, kMinZones, kMaxZones);
  double sum = 0.0;
  for (int z = 1; z <= zones; ++z) sum += values[z];
  return sum / zones;
}

int StrehlBin(double strehl) {
  const double bin = std::ceil(100.0 * strehl);  // the integer part, plus one when there is a fraction
  return bin >= 0.0 && bin < kStrehlBins ? static_cast<int>(bin) : -1;
}

int RmsBin(double rmsNanometres) {
  const double bin = RoundHalfEven(rmsNanometres);
  return bin >= 0.0 && bin < 300.0 ? static_cast<int>(bin) : -1;
}

bool TooManyTrialsFailed(int failedTrials, int trials) {
  return static_cast<std::int64_t>(failedTrials) * 100 > trials;
}

template <std::size_t N>
std::optional<ChartRange> ComputeChartRange(const std::array<std::int32_t, N>& histogram, int trials) {
  ChartRange range;
  bool any = false;
  for (int bin = 1; bin <= 100; ++bin) {
    if (histogram[bin] <= 5) continue;
    if (!any) range.lo = bin;
    range.hi = bin;
    range.peak = std::max(range.peak, histogram[bin]);
    any = true;
  }
  if (!any || trials <= 0) return std::nullopt;

  range.lo = range.lo / 10 * 10;
  range.hi = (range.hi + 9) / 10 * 10;
  if (range.lo == range.hi) {
    if (range.lo == 0) {
      range.hi = 10;
    } else {
      range.lo -= 10;
    }
  }
  range.barWidth = static_cast<int>(RoundHalfEven(280.0 / (range.hi - range.lo)));

  // Lower a horizontal line through the chart until the bars above it hold 68 and
  // then 95 per cent of the trials.
  for (int y = 1; y <= 200; ++y) {
    const double threshold = (200.0 - y) * range.peak / 200.0;
    int sum = 0;
    int first = -1, last = -1;
    for (int bin = range.lo; bin <= range.hi; ++bin) {
      if (histogram[bin] < threshold) continue;
      sum += histogram[bin];
      if (first < 0) first = bin;
      last = bin;
    }
    const double share = static_cast<double>(sum) / trials;
    if (share >= 0.68 && !range.reached68()) {
      range.lower68 = first;
      range.upper68 = last;
    }
    if (share >= 0.95 && !range.reached95()) {
      range.lower95 = first;
      range.upper95 = last;
    }
  }
  return range;
}

template std::optional<ChartRange> ComputeChartRange(const std::array<std::int32_t, kStrehlBins>&, int);
template std::optional<ChartRange> ComputeChartRange(const std::array<std::int32_t, kRmsBins>&, int);

MonteCarloRun::MonteCarloRun(MirrorTest& test, SurfaceAnalysis& analysis, const ZoneValues& sd, double meanSd,
                             int trialLimit)
    : test_(test), analysis_(analysis), sd_(sd), meanSd_(meanSd), trialLimit_(trialLimit) {
  base_ = test.KeAverage;
  test_.MonteCarloRunning = true;
  test_.MonteCarloAbort = false;
}

MonteCarloRun::~MonteCarloRun() { finish(); }

bool MonteCarloRun::done() const { return finished_ || trials_ >= trialLimit_ || test_.MonteCarloAbort; }

bool MonteCarloRun::runTrial(UniformSource& uniform) {
  if (done()) return false;
  ++trials_;
  perturb(uniform);
  analysis_.analyse(test_);
  if (analysis_.reducible()) {
    recordTrial();
  } else {
    ++failed_;
  }
  return !done();
}

void MonteCarloRun::perturb(UniformSource& uniform) {
  const int zones = test_.zones();
  for (int z = 1; z <= zones + 1; z += 2) {
    const auto [u, v] = PolarNormalPair(uniform);
    if (z <= zones) test_.KeAverage[z] = base_[z] + u * sd_[z];
    if (z + 1 <= zones) test_.KeAverage[z + 1] = base_[z + 1] + v * sd_[z + 1];
  }
}

void MonteCarloRun::recordTrial() {
  const QualityMetrics& m = analysis_.metrics();
  if (const int bin = StrehlBin(m.Strehl); bin >= 0) ++strehl_[bin];
  if (const int bin = RmsBin(m.rmsNanometres()); bin >= 0) ++rms_[bin];
}

void MonteCarloRun::finish() {
  if (finished_) return;
  finished_ = true;
  const int zones = test_.zones();
  for (int z = 1; z <= zones; ++z) test_.KeAverage[z] = base_[z];
  analysis_.analyse(test_);
  test_.MonteCarloRunning = false;
  test_.MonteCarloAbort = false;
}

std::string McRawData(const std::array<std::int32_t, kStrehlBins>& strehl,
                      const std::array<std::int32_t, kRmsBins>& rms) {
  std::string table = "Strehl Ratio\tCount\tRMS(nm)\tCount\r\n";
  for (int k = 0; k <= 100; ++k) {
    table += FormatFixed(k / 100.0, 2) + "\t" + std::to_string(strehl[k]) + "\t" + std::to_string(k) + "\t" +
             std::to_string(rms[k]) + "\r\n";
  }
  return table;
}

}  // namespace zonalyst
