#pragma once

#include "BesselTable.h"
#include "PupilIntensity.h"
#include "QualityMetrics.h"
#include "SurfaceReduction.h"

namespace zonalyst {

// Angle between two samples of the spot profile: 0.1 lambda / D radians for a mirror
// of diameter D (mm), so the profile spans 0..10 lambda / D.
double SpotAngleStep(double diameterMm);

// The two radial profiles of the focused spot, relative intensity 1 at the centre of
// each pupil.
struct SpotDiffraction {
  RadialIntensity ideal{};   // perfect mirror, full unobstructed aperture (the Airy pattern)
  RadialIntensity actual{};  // measured surface (ProfileErr) with the central obstruction
};

// Spot profiles of the surface error m.ProfileErr (left by ComputeErrorProfile) for a
// mirror of diameter D (mm) with a central obstruction of obstructionPercent of the
// diameter (rounded halves to even to a whole sample: samples 0..obs are dark).
SpotDiffraction ComputeSpotDiffraction(const SurfaceProfile& surface, const QualityMetrics& m,
                                       const BesselTable& bessel, double diameterMm, double obstructionPercent);

}  // namespace zonalyst
