#include "MeasuredSpan.h"

#include "QualityMetrics.h"

#include <cmath>

namespace zonalyst {
namespace {

// Grid radii and zone radii come from the same lengths by different products (an edge
// zone of 2.97 in against the grid's 100 x 5.94 in / 200): a sample within a picometre
// of the span counts as inside it.
constexpr double kSameRadiusMm = 1e-9;

// The grid samples within the span; first > last when there is none.
GridSamples SamplesWithin(const SurfaceProfile& p, const MeasuredSpan& span) {
  GridSamples samples{kGridLast + 1, 0};
  for (int i = 1; i <= kGridLast; ++i) {
    if (p.ProfileR[i] < span.fromMm - kSameRadiusMm || p.ProfileR[i] > span.toMm + kSameRadiusMm) continue;
    if (samples.first > kGridLast) samples.first = i;
    samples.last = i;
  }
  return samples;
}

}  // namespace

MeasuredSpan MeasuredSpanOf(const MirrorTest& test) {
  const int last = test.zones();
  const bool byEffectiveRadius = test.InnerOuterEntry == 0;
  const double from = byEffectiveRadius ? test.effectiveRadius(1) : test.ZoneRadius[1][0];
  const double to = byEffectiveRadius ? test.effectiveRadius(last) : test.ZoneRadius[last][1];
  return {from * test.mmPerUnit(), to * test.mmPerUnit()};
}

std::optional<MeasuredSpanFit> FitMeasuredSpan(const MirrorTest& test, const SurfaceProfile& profile,
                                               double startRocMm) {
  MeasuredSpanFit fit;
  fit.span = MeasuredSpanOf(test);
  const GridSamples samples = SamplesWithin(profile, fit.span);
  if (samples.last - samples.first < 2) return std::nullopt;

  const double K = test.DesiredConic;
  fit.rocMm = FindBestFitRocOver(profile, K, startRocMm, samples);
  fit.rmsWaves = RmsWavesOver(profile, K, fit.rocMm, samples);
  const double semiDiameter = test.diameterMm() / 2.0;
  fit.areaFraction =
      (fit.span.toMm * fit.span.toMm - fit.span.fromMm * fit.span.fromMm) / (semiDiameter * semiDiameter);
  if (!std::isfinite(fit.rocMm) || !std::isfinite(fit.rmsWaves) || !std::isfinite(fit.areaFraction)) {
    return std::nullopt;
  }
  return fit;
}

}  // namespace zonalyst
