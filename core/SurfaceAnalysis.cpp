#include "SurfaceAnalysis.h"

#include "Vectorised.h"

#include <cmath>

namespace zonalyst {
namespace {

// Beyond these magnitudes no mirror lies, and the reduction would lose the readings to
// rounding (against a radius of 1E+70 every mirror comes out perfect) or to overflow.
constexpr double kMaxLengthMm = 1e9;  // a thousand kilometres
constexpr double kMaxConic = 1e9;

bool Finite(double x) { return std::isfinite(x); }

bool Computable(double x, double bound) { return std::abs(x) <= bound; }

// Whether the values that the reduction works with lie where it can compute with them.
bool WithinComputableRange(const MirrorTest& test) {
  const double toMm = test.mmPerUnit();
  bool within = Computable(test.Roc * toMm, kMaxLengthMm) && Computable(test.Diameter * toMm, kMaxLengthMm) &&
                Computable(test.DesiredConic, kMaxConic);
  const int zones = test.zones();
  for (int z = 1; z <= zones; ++z) {
    within = within && Computable(test.effectiveRadius(z) * toMm, kMaxLengthMm) &&
             Computable(test.KeAverage[z] * toMm, kMaxLengthMm);
  }
  return within;
}

// Counts instead of stopping at the first, so that the loop vectorises.
template <std::size_t N>
bool AllFinite(const std::array<double, N>& values) {
  int numbers = 0;
  for (const double x : values) numbers += IsNumber(x) ? 1 : 0;
  return numbers == static_cast<int>(N);
}

}  // namespace

BestFit SurfaceAnalysis::reduceAndFit(MirrorTest& test) {
  inputsComputable_ = AverageReadings(test) && WithinComputableRange(test);
  BestFit fit;
  fit.enteredRocMm = ReduceReadings(test, profile_);
  fit.bestFitRocMm = FindBestFitRoc(profile_, test.DesiredConic, fit.enteredRocMm, metrics_);
  fit_ = fit;
  return fit;
}

double SurfaceAnalysis::measureAt(const MirrorTest& test, double rocMm) {
  const double diameterMm = test.diameterMm();
  ComputeErrorProfile(profile_, test.DesiredConic, rocMm, diameterMm, metrics_);
  ComputeRms(profile_, test.DesiredConic, rocMm, metrics_);
  if (!kernel_ || !kernel_->fits(profile_, diameterMm)) kernel_.emplace(profile_, bessel_, diameterMm);
  kernel_->apply(profile_, 0.0, metrics_);
  return metrics_.GlassVolume;
}

BestFit SurfaceAnalysis::analyse(MirrorTest& test) {
  const BestFit fit = reduceAndFit(test);
  measureAt(test, fit.bestFitRocMm);
  return fit;
}

bool SurfaceAnalysis::reducible() const {
  const QualityMetrics& m = metrics_;
  return inputsComputable_ && Finite(fit_.enteredRocMm) && Finite(fit_.bestFitRocMm) && Finite(profile_.FitConic) &&
         AllFinite(profile_.ProfileZ) && AllFinite(m.ProfileErr) && AllFinite(m.TransErr) && Finite(m.ErrMin) &&
         Finite(m.PeakValley) && Finite(m.PvFraction) && Finite(m.TransErrMax) && Finite(m.RmsWaves) &&
         Finite(m.Strehl) && Finite(m.EncircledRatio) && Finite(m.GlassVolume);
}

std::optional<MeasuredSpanFit> SurfaceAnalysis::fitMeasuredSpan(const MirrorTest& test) const {
  if (!reducible()) return std::nullopt;
  return FitMeasuredSpan(test, profile_, fit_.bestFitRocMm);
}

}  // namespace zonalyst
