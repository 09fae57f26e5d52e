#pragma once

#include "PictureSurface.h"
#include "core/Constants.h"
#include "core/MirrorTest.h"

#include <array>

namespace zonalyst::plot {

// The common frame of the charts drawn across the mirror's diameter, in picture units:
// a plot area 200 units high, vertically centred, the mirror's centre at centreX and its
// edges 300 units (3 per cent of the semi-diameter) to either side.
struct RadialFrame {
  int top = 0;      // (H - 200) / 2
  int base = 0;     // top + 200
  int centreX = 0;  // W / 2

  static RadialFrame For(const PictureSurface& s);
  double xRight(double percent) const { return centreX + 3.0 * percent; }
  double xLeft(double percent) const { return centreX - 3.0 * percent; }
};

inline constexpr int kPlotHeight = 200;
inline constexpr int kHalfWidth = 300;

// A chart's curve over the radial samples 0..100.
struct RadialCurve {
  std::array<double, kGridLast + 1> point{};  // y of the curve, whole picture units
  std::array<double, kGridLast + 1> level{};  // y of the unrounded value, where zone marks cross
};

// Labels of the length axis: every `step` user units, `count` of them (at most 10).
struct LengthAxis {
  double step = 0.0;
  int count = 0;
};

// Inches: steps of 0.5 inch, the first with at most 10 labels (S / step rounded), and
// no label beyond the edge. Millimetres: steps of 5 mm, the first for which the whole
// semi-diameter holds at most 10 steps. S is the semi-diameter in user units; no
// labels for a semi-diameter that is not a positive number.
LengthAxis ChooseLengthAxis(double semiDiameter, bool inches);

// The curve filled in dark red down to the base line with a red outline, mirrored on
// both halves.
void DrawRadialCurve(PictureSurface& s, const RadialFrame& frame, const RadialCurve& curve);

// The curve alone, mirrored on both halves, in one colour, cut off where it leaves the
// plot area (between the frame's top and base).
void DrawRadialLine(PictureSurface& s, const RadialFrame& frame, const RadialCurve& curve, Rgb colour);

// Percent-radius axis on the right half, length axis on the left half, both axis
// captions and the zone marks of the test, all tied to the curve.
void DrawRadiusAxesAndZones(PictureSurface& s, const RadialFrame& frame, const MirrorTest& test,
                            const RadialCurve& curve);

}  // namespace zonalyst::plot
