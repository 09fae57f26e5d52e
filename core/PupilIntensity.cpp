#include "PupilIntensity.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Rounding.h"
#include "SafeAssign.h"

namespace zonalyst {

RadialIntensity ComputeRadialIntensity(const std::array<double, kGridRoom>& radiusMm,
                                       const std::array<double, kGridRoom>& surfaceErrorMm,
                                       const BesselTable& bessel, double angleStep, int darkThrough) {
  const double k = 2.0 * std::numbers::pi / kWavelengthMm;

  // The phase depends on the sample alone: one cosine and one sine per sample.
  std::array<double, kGridRoom> weightedCos{};
  std::array<double, kGridRoom> weightedSin{};
  double weight = 0.0;
  const int first = std::max(0, darkThrough + 1);
  for (int i = first; i <= kGridLast; ++i) {
    const double phase = 2.0 * k * surfaceErrorMm[i];
    weightedCos[i] = std::cos(phase) * radiusMm[i];
    weightedSin[i] = std::sin(phase) * radiusMm[i];
    weight += radiusMm[i];
  }

  RadialIntensity intensity{};
  for (int j = 0; j <= kGridLast; ++j) {
    const double theta = j * angleStep;
    double re = 0.0;
    double im = 0.0;
    for (int i = first; i <= kGridLast; ++i) {
      const double t = bessel.at(std::nearbyint(100.0 * (theta / kWavelengthMm) * radiusMm[i]));
      re += weightedCos[i] * t;
      im += weightedSin[i] * t;
    }
    AssignIfFinite(re, re / (weight * std::numbers::pi));
    AssignIfFinite(im, im / (weight * std::numbers::pi));
    AssignIfFinite(intensity[j], re * re + im * im);
  }
  return intensity;
}

int DarkThrough(double obstructionPercent) {
  // Beyond the grid every sample is dark; the clamp keeps the conversion defined.
  return static_cast<int>(std::clamp(RoundHalfEven(obstructionPercent), -1.0, kGridLast + 1.0));
}

}  // namespace zonalyst
