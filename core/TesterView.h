#pragma once

#include "MirrorTest.h"
#include "SurfaceReduction.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zonalyst {

// The mirror as the tester sees it through the knife edge (a Foucault-gram) or through a
// grating (a Ronchigram), in geometric optics.
//
// The reading scale. A knife or grating position X is a reading on the rig's own scale,
// in the test's units, like the readings of the zones. With R0 the entered radius (mm)
// and a the reduction's intercept (FitIntercept, mm: the reading of the paraxial centre
// of curvature, from readings halved for a fixed source):
//   moving source: the knife stands on the axis R0 + (X - a) from the vertex, and the
//                  point source moves with it;
//   fixed source:  the knife stands at R0 + (X - 2a), and the source stays at R0.
// A zone therefore looks evenly grey (nulled) with the knife at its average reading.
//
// The ray. For a pupil point at radius r the ray from the source (on the axis) meets the
// surface at (r, z(r)), is reflected exactly about the surface normal there, and meets
// the plane of the knife (perpendicular to the axis) at the signed offset rho(r) along
// the direction of r. The pupil point (x, y) lands at (rho x / r, rho y / r). rho
// depends on r alone and is tabulated on a few thousand radii.
//
// Foucault. The knife edge is parallel to y. Entering from the left it blocks x < cut in
// the knife plane, cut being how far the edge stands past the axis into the beam (mm).
// The source is a slit parallel to the edge, slit mm wide; the fraction of its image
// that passes is the brightness I = clamp(0.5 + (rho_x - cut) / slit, 0, 1).
// Ronchi. A grating of lpi lines per inch, lines parallel to y, stands in the same plane
// with period p = 25.4 / lpi mm and phase cut: with t = (rho_x - cut) / p, I = 1 where
// t - floor(t) < 0.5, else 0.
// Side. Knife or grating entering from the right gives the mirror image (x -> -x) of the
// picture from the left, by the mirror's symmetry.
//
// The picture. A square of size pixels holds the mirror's disc inscribed, x to the right
// and y up: the centre of pixel (i, j) lies at ((i + 0.5) - size/2, size/2 - (j + 0.5))
// x D/size mm. A pixel whose centre lies inside the disc gets the grey Round(255 I)
// (halves to even); outside the disc it is black.

// Where the knife and the source stand on the axis, mm from the vertex.
struct TesterPlacement {
  double knifeMm = 0.0;
  double sourceMm = 0.0;
};

// The placement for a reading X (test units) of the test reduced into profile.
TesterPlacement PlaceKnife(const MirrorTest& test, const SurfaceProfile& profile, double reading);

// Signed offset rho (mm) in the knife plane of the ray reflected at radius r (mm) by a
// surface of the given height and slope there. Not finite when the reflected ray never
// reaches the plane.
double KnifePlaneOffset(double r, SurfacePoint point, TesterPlacement placement);

// A mirror surface's height and slope at any radius (mm).
using SurfaceShape = std::function<SurfacePoint(double r)>;

// rho(r) / r on kRadii + 1 radii from the centre to the semi-diameter, interpolated
// linearly in between (rho / r is smooth at the centre, where rho itself vanishes).
class KnifePlaneTable {
 public:
  static constexpr int kRadii = 4096;

  KnifePlaneTable(const SurfaceShape& shape, double semiDiameterMm, TesterPlacement placement);

  // rho(r) / r at r (mm), 0 <= r; beyond the semi-diameter the last value.
  double gainAt(double r) const {
    double position = r * perStep_;
    if (!(position < kRadii)) position = kRadii - 0.5;
    const int k = static_cast<int>(position);
    return gain_[k] + (gain_[k + 1] - gain_[k]) * (position - k);
  }

 private:
  double perStep_ = 0.0;      // table steps per mm
  std::vector<double> gain_;  // kRadii + 1 values
};

enum class TesterPattern { Foucault, Ronchi };
enum class EntrySide { Left, Right };

// How the tester is set. The cut's default is the knife's; a grating's phase is 0 by default.
struct TesterSettings {
  TesterPattern pattern = TesterPattern::Foucault;
  double cutMm = 0.025;         // knife past the axis into the beam, or the grating's phase
  double slitMm = 0.1;          // width of the slit source
  double linesPerInch = 100.0;  // of the grating
  EntrySide side = EntrySide::Right;
};
inline constexpr double kDefaultKnifeCutMm = 0.025;
inline constexpr double kDefaultGratingPhaseMm = 0.0;
inline constexpr int kDefaultViewSize = 400;

// A square picture of greys 0..255, rows from top to bottom.
struct GreyPicture {
  int size = 0;
  std::vector<std::uint8_t> grey;  // size * size values
  std::uint8_t at(int i, int j) const { return grey[static_cast<std::size_t>(j) * size + i]; }
};

// How bright (0..1) the tester shows the mirror at (x, y) mm from its centre, x to the right and
// y up as the view shows them.
double ViewBrightness(const KnifePlaneTable& table, const TesterSettings& settings, double x, double y);

// Draws the view of a mirror of diameter D (mm) into picture, size pixels square; the
// picture's storage is reused when it has the size already.
void DrawTesterView(const KnifePlaneTable& table, const TesterSettings& settings, double diameterMm, int size,
                    GreyPicture& picture);

// The surfaces the tester can look at: the measured surface of the reduction (the
// profile must outlive the shape), and the perfect one, the desired conic with the
// best-fit radius (mm).
SurfaceShape MeasuredShape(const SurfaceProfile& profile);
SurfaceShape PerfectShape(double desiredConic, double bestFitRocMm);

// The zone whose average reading places the knife unless told otherwise: (N + 1) / 2,
// rounded down.
int MiddleZone(int zoneCount);

// One view of a test reduced into profile, whose best-fit radius is bestFitRocMm: the
// measured mirror, or the perfect one, with the knife at reading (test units).
void SimulateTesterView(const MirrorTest& test, const SurfaceProfile& profile, double bestFitRocMm, bool perfect,
                        double reading, const TesterSettings& settings, int size, GreyPicture& picture);

}  // namespace zonalyst
