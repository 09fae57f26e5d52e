#include "StarTest.h"

#include "ConicGeometry.h"
#include "Rounding.h"
#include "SafeAssign.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

namespace {

void RemoveMinimum(std::array<double, kGridRoom>& profile) {
  double minimum = 1e11;
  for (int i = 0; i <= kGridLast; ++i) minimum = std::min(minimum, profile[i]);
  for (int i = 0; i <= kGridLast; ++i) profile[i] -= minimum;
}

}  // namespace

double DefocusStep(double bestFitRocMm, double diameterMm) {
  double step = 0.0;
  const double focalRatio = (bestFitRocMm / 2.0) / diameterMm;
  AssignIfFinite(step, 16.0 * kWavelengthMm * focalRatio * focalRatio);
  return step;
}

double StarAngleStep(double diameterMm) { return 0.022 / (100.0 * diameterMm); }

StarWavefronts ComputeStarWavefronts(const SurfaceProfile& surface, double K, double rocMm, double defocusMm) {
  StarWavefronts w;
  for (int i = 0; i <= kGridLast; ++i) {
    const double r = surface.ProfileR[i];
    const double insideSag = ConicSag(r, K, rocMm - defocusMm);
    w.inside[i] = surface.ProfileZ[i] - insideSag;
    w.outside[i] = surface.ProfileZ[i] - ConicSag(r, K, rocMm + defocusMm);
    w.perfect[i] = ConicSag(r, K, rocMm) - insideSag;
  }
  RemoveMinimum(w.inside);
  RemoveMinimum(w.outside);
  RemoveMinimum(w.perfect);
  return w;
}

StarRings MapStarRings(const RadialIntensity& intensity, StarGreyMapping mapping) {
  const double decades = mapping.detail ? 4.0 : 3.0;
  const double floor = mapping.detail ? 1e-4 : 1e-3;
  RadialIntensity shown = intensity;
  if (mapping.detail) {
    for (double& value : shown) value = std::pow(value, 0.91);
  }
  RadialIntensity brightness{};
  double brightest = 0.0;
  for (int j = 0; j <= kGridLast; ++j) {
    if (!(shown[j] > 0.0)) continue;
    brightness[j] = (std::log10(shown[j]) + decades) / decades;
    brightest = std::max(brightest, brightness[j]);
  }
  const double scale = mapping.contrast ? brightest : 1.0;

  StarRings rings;
  rings.fill(kNotPainted);
  for (int j = 0; j <= kGridLast; ++j) {
    if (!(shown[j] > floor)) continue;
    rings[j] = static_cast<int>(std::clamp(RoundHalfEven(255.0 * brightness[j] / scale), 0.0, 255.0));
  }
  return rings;
}

StarTestImages ComputeStarTest(const SurfaceProfile& surface, double K, const BesselTable& bessel, double rocMm,
                               double defocusWaves, double defocusStepMm, double diameterMm, double obstructionPercent,
                               StarGreyMapping mapping) {
  StarTestImages images;
  images.defocusMm = defocusWaves * defocusStepMm;
  const StarWavefronts w = ComputeStarWavefronts(surface, K, rocMm, images.defocusMm);
  const double step = StarAngleStep(diameterMm);
  const int dark = DarkThrough(obstructionPercent);
  images.intensity[0] = ComputeRadialIntensity(surface.ProfileR, w.inside, bessel, step, dark);
  images.intensity[1] = ComputeRadialIntensity(surface.ProfileR, w.perfect, bessel, step, dark);
  images.intensity[2] = ComputeRadialIntensity(surface.ProfileR, w.outside, bessel, step, dark);
  for (int p = 0; p < 3; ++p) images.rings[p] = MapStarRings(images.intensity[p], mapping);
  return images;
}

}  // namespace zonalyst
