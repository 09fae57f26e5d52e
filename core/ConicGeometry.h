#pragma once

#include "Constants.h"
#include "MirrorTest.h"

#include <array>

namespace zonalyst {

// Sagitta z(r) of a conic of revolution with vertex radius R and conic constant K
// (0 sphere, -1 paraboloid). r, R and the result share one length unit. A point
// beyond the conic's rim gives 0; so does a failed computation (R = 0).
double ConicSag(double r, double K, double R);

// The same sagitta at every grid radius r[0..kGridLast], each entry exactly as ConicSag
// gives it, in a loop that the compiler vectorises: the best-fit radius search measures
// the surface against a conic about 28 times for every reduction.
void ConicSagOnGrid(const std::array<double, kGridRoom>& r, double K, double R, std::array<double, kGridRoom>& sag);

// Slope dz/dr of the same conic at r (dimensionless). Beyond the rim, and at the
// rim itself where the slope is infinite, the result is 0.
double ConicSlope(double r, double K, double R);

// Column 2 of ZoneRadius for rows 1..15: the mean of each zone's RMS radius and its
// arithmetic mean radius, or the entered radius when zones are entered as effective radii.
void ComputeEffectiveRadii(MirrorTest& test);

// Ideal knife-edge reading of zone z relative to zone 1, in user units, for a perfect
// mirror of the desired conic: the parabolic sag difference times the light-source
// factor (2 for a fixed source) times -K.
double IdealReading(const MirrorTest& test, int zone);

}  // namespace zonalyst
