#include "PupilIntensity.h"

#include "Rounding.h"
#include "SafeAssign.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zonalyst {

RadialIntensity ComputeRadialIntensity(const std::array<double, kGridRoom>& radiusMm,
                                       const std::array<double, kGridRoom>& surfaceErrorMm, const BesselTable& bessel,
                                       double angleStep, int darkThrough) {
  const PupilPhasors pupil = ComputePupilPhasors(radiusMm, surfaceErrorMm, darkThrough);
  const int first = std::max(0, darkThrough + 1);

  RadialIntensity intensity{};
  for (int j = 0; j <= kGridLast; ++j) {
    const double theta = j * angleStep;
    double re = 0.0;
    double im = 0.0;
    for (int i = first; i <= kGridLast; ++i) {
      const double t = bessel.at(std::nearbyint(100.0 * (theta / kWavelengthMm) * radiusMm[i]));
      re += pupil.weightedCos[i] * t;
      im += pupil.weightedSin[i] * t;
    }
    AssignIfFinite(re, re / (pupil.weight * std::numbers::pi));
    AssignIfFinite(im, im / (pupil.weight * std::numbers::pi));
    AssignIfFinite(intensity[j], re * re + im * im);
  }
  return intensity;
}

PupilPhasors ComputePupilPhasors(const std::array<double, kGridRoom>& radiusMm,
                                 const std::array<double, kGridRoom>& surfaceErrorMm, int darkThrough) {
  // The phase depends on the sample alone: one cosine and one sine per sample.
  const double k = 2.0 * std::numbers::pi / kWavelengthMm;
  PupilPhasors pupil;
  for (int i = std::max(0, darkThrough + 1); i <= kGridLast; ++i) {
    const double phase = 2.0 * k * surfaceErrorMm[i];
    pupil.weightedCos[i] = std::cos(phase) * radiusMm[i];
    pupil.weightedSin[i] = std::sin(phase) * radiusMm[i];
    pupil.weight += radiusMm[i];
  }
  return pupil;
}

int DarkThrough(double obstructionPercent) {
  // Beyond the grid every sample is dark; the clamp keeps the conversion defined.
  return static_cast<int>(std::clamp(RoundHalfEven(obstructionPercent), -1.0, kGridLast + 1.0));
}

}  // namespace zonalyst
