#pragma once

#include "BesselTable.h"
#include "Constants.h"

#include <array>

namespace zonalyst {

// Radial intensity of the image of a star, sampled on 101 angles, relative to the
// centre of a perfect pupil of the same shape.
using RadialIntensity = std::array<double, kGridLast + 1>;

// The Hankel sum of the pupil: for angles theta_j = j x angleStep (radians), the
// amplitude sum over the grid radii r_i (mm) of r_i x pi J0(k theta_j r_i) x exp(i 2k e_i),
// with e_i the surface error (mm of surface, so 2 e_i of wavefront) and k = 2 pi / 550 nm,
// normalised by the sum of r_i x pi. The Bessel argument is quantised to the table's
// step (index rounded halves to even). Samples 0..darkThrough are dark (a central
// obstruction); -1 leaves the whole pupil open. A pupil with no sample left keeps 0.
RadialIntensity ComputeRadialIntensity(const std::array<double, kGridRoom>& radiusMm,
                                       const std::array<double, kGridRoom>& surfaceErrorMm, const BesselTable& bessel,
                                       double angleStep, int darkThrough);

// Each open sample's radius times the cosine and sine of its wavefront phase 2k e_i
// (zero for dark samples), and the sum of the open radii: the part of the Hankel sums
// that does not depend on the angle.
struct PupilPhasors {
  std::array<double, kGridRoom> weightedCos{};
  std::array<double, kGridRoom> weightedSin{};
  double weight = 0.0;
};
PupilPhasors ComputePupilPhasors(const std::array<double, kGridRoom>& radiusMm,
                                 const std::array<double, kGridRoom>& surfaceErrorMm, int darkThrough);

// The last dark sample for an obstruction in per cent of the diameter: the
// percentage rounded halves to even.
int DarkThrough(double obstructionPercent);

}  // namespace zonalyst
