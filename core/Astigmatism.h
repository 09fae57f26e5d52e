#pragma once

#include "MirrorTest.h"

#include <optional>
#include <string>
#include <vector>

namespace zonalyst {

// Astigmatism from tests of one mirror turned in its stand between them, the tester kept
// still. A Couder mask measures one diameter; a surface term a r^2 cos 2(phi) gives that
// diameter a radius of curvature that swings with the mirror's orientation theta, so every
// reading of a test shifts alike by A cos 2(theta - theta0). The tester's own astigmatism
// turns with the tester, not the mirror, and stays in the constant term.

// At most this many tests are compared.
inline constexpr int kMaxOrientedTests = 12;
// Orientations closer than this (degrees, modulo 180) are one diameter: a repeat.
inline constexpr double kSameOrientationDeg = 0.5;

// One test of the mirror and the orientation it was taken at.
struct OrientedTest {
  std::string name;  // how messages name it (its file name)
  MirrorTest test;   // a test that the setup and readings checks accept
  double angleDeg = 0.0;
};

// One test as the fit sees it. Readings lengths in the test's units, on the rig's scale
// as read (not halved for a fixed source).
struct OrientationShift {
  std::string name;
  double angleDeg = 0.0;           // as given
  double meanReading = 0.0;        // k-bar: the mean of the zones' average readings, each zone alike
  double shift = 0.0;              // meanReading less the first test's
  std::vector<double> zoneShifts;  // each zone's average reading less the first test's, zones 1..N
  // For a test at an orientation taken before (a repeat): the index of that first test, and
  // the drift, this test's shift less that one's (the mirror moved along the axis).
  std::optional<int> repeatOf;
  std::optional<double> drift;
};

// One zone's own cos 2(theta) term, from its own readings: a zone that departs from the
// others shows a zonal asymmetry, not astigmatism. Lengths in the test's units as read.
struct ZoneAstigmatism {
  int zone = 0;
  double radiusMm = 0.0;   // effective radius
  double amplitude = 0.0;  // as A below (a lower bound with two orientations)
  std::optional<double> axisDeg;
};

// The answer to whether the wavefront's astigmatism stays within a quarter wave, with the
// uncertainty of two standard deviations.
enum class QuarterWaveVerdict { Within, Beyond, Undecided };

// Figures of the fit k-bar(theta) = k0 + A cos 2(theta - theta0) over the orientations
// (repeats aside), by linear least squares in (1, cos 2 theta, sin 2 theta).
//
// Reading lengths (k0, A, uncertainties, drift, residual, difference) are in the tests'
// units as read on the rig's scale. The readings swing by 2A between the two meridians:
// that swing is the meridians' difference of radius dR with a moving source and 2 dR with a
// fixed one, so dR = 2A (moving) or A (fixed). A surface a r^2 cos 2(phi) puts the
// meridians' centres of curvature dR = 4 a R^2 apart; its surface P-V over the diameter D is
// a D^2 / 2 and its wavefront P-V a D^2 = dR D^2 / (4 R^2) (R the first test's radius).
//
// The uncertainties are one standard deviation from the readings' scatter, the larger of
// two estimates: the spread of the zones' own terms (each zone measures A on its own), and
// the scatter of the tests' constant terms about the fit (orientations beyond three) and
// between repeats. A repeat's drift thus widens them: the mirror moved at some turn, and
// which is not known. Checked against readings with known noise in the tests.
struct AstigmatismFit {
  std::vector<OrientationShift> tests;  // in the order given
  int orientations = 0;                 // distinct orientations
  bool axisDetermined = false;          // three orientations or more
  bool inches = false;
  bool movingSource = true;

  std::optional<double> k0;  // the constant term, a shift against the first test; three orientations or more
  // A >= 0, with its uncertainty. With two orientations only the least A that their
  // difference allows, |difference| / (2 |sin(separation)|).
  double amplitude = 0.0;
  double amplitudeUncertainty = 0.0;
  std::optional<double> axisDeg;  // theta0 in [0, 180): the orientation of the longer radius
  std::optional<double> axisUncertaintyDeg;
  std::optional<double> drift;       // the last repeat's
  double residual = 0.0;             // RMS of the constant terms about the fit; 0 with three
  std::optional<double> difference;  // two orientations: the second's shift less the first's
  std::optional<double> differenceUncertainty;
  double separationDeg = 0.0;  // two orientations: the angle between them, 0..90

  double radiusDifferenceMm = 0.0;  // dR between the meridians
  double wavefrontPvNm = 0.0;       // dR D^2 / (4 R^2)
  double wavefrontPvWaves = 0.0;    // at 550 nm
  double surfacePvNm = 0.0;         // half the wavefront's
  double wavefrontPvUncertaintyNm = 0.0;
  QuarterWaveVerdict verdict = QuarterWaveVerdict::Undecided;

  std::vector<ZoneAstigmatism> zones;

  // k0 + A cos 2(theta - theta0) at an orientation; none with two orientations.
  std::optional<double> fittedShift(double angleDeg) const;
};

// The fit, or why the tests cannot be compared (refusal): fewer than 2 or more than 12,
// different diameters, radii more than 1 % apart, other zones, units or light source, or
// a single orientation.
struct AstigmatismResult {
  std::optional<AstigmatismFit> fit;
  std::string refusal;
};

AstigmatismResult FitAstigmatism(const std::vector<OrientedTest>& tests);

// Why `other` is not a test of `first`'s mirror through its mask on its rig, naming both;
// empty when it is.
std::string WhyNotOneMirror(const OrientedTest& first, const OrientedTest& other);

// The orientation as a diameter, in [0, 180): theta and theta + 180 are one.
double AsDiameterDeg(double angleDeg);

// The verdict in words, for the text and the window ("within a quarter wave", ...).
const char* VerdictText(QuarterWaveVerdict verdict);

// The orientation a test file's name gives: "mirror@60.fdr", "mirror_rot-22.5.fdr" (case
// aside); none otherwise.
std::optional<double> OrientationInName(const std::string& fileName);

}  // namespace zonalyst
