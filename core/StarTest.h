#pragma once

#include "BesselTable.h"
#include "PupilIntensity.h"
#include "SurfaceReduction.h"

#include <array>

namespace zonalyst {

// Change of the reference radius (mm) for one wave of defocus: 2 x 8 lambda F^2 with
// F = (bestFitRoc / 2) / D the focal ratio (lengths in mm, lambda = 550 nm).
double DefocusStep(double bestFitRocMm, double diameterMm);

// Angle between two rings of the star images: 0.4 lambda / D radians, so the 101 rings
// cover 0..40 lambda / D.
double StarAngleStep(double diameterMm);

// The three wavefront profiles of the star test, mm of surface, each shifted so that its
// minimum is 0: inside focus (measured surface against the desired conic of radius roc - d),
// outside focus (against roc + d), and a perfect mirror of the desired conic at the
// inside defocus (conic at roc against roc - d).
struct StarWavefronts {
  std::array<double, kGridRoom> inside{};
  std::array<double, kGridRoom> outside{};
  std::array<double, kGridRoom> perfect{};
};
StarWavefronts ComputeStarWavefronts(const SurfaceProfile& surface, double K, double rocMm, double defocusMm);

// How intensities become grey levels: detail spans 4 decades above 1e-4 after the
// exponent 0.91, else 3 decades above 1e-3; contrast stretches each image so that its
// brightest ring is white.
struct StarGreyMapping {
  bool detail = false;
  bool contrast = false;
};

// Grey level 0..255 of each ring (ring j has radius j pixels), or kNotPainted for a ring
// at or below the floor.
inline constexpr int kNotPainted = -1;
using StarRings = std::array<int, kGridLast + 1>;

// The grey rings of one image from its radial intensity profile.
StarRings MapStarRings(const RadialIntensity& intensity, StarGreyMapping mapping);

// The three images in the order they are shown: left inside focus, middle the perfect
// mirror, right outside focus.
struct StarTestImages {
  double defocusMm = 0.0;  // d = defocus waves x DefocusStep
  std::array<RadialIntensity, 3> intensity{};
  std::array<StarRings, 3> rings{};
};

// The star test of the measured surface (ProfileZ) for the reference radius rocMm,
// defocusWaves whole waves of defocus of defocusStepMm each, a mirror of diameter D (mm)
// and a central obstruction of obstructionPercent of the diameter, which darkens the
// centre of all three images.
StarTestImages ComputeStarTest(const SurfaceProfile& surface, double K, const BesselTable& bessel, double rocMm,
                               double defocusWaves, double defocusStepMm, double diameterMm, double obstructionPercent,
                               StarGreyMapping mapping);

}  // namespace zonalyst
