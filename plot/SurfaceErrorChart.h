#pragma once

#include "PictureSurface.h"
#include "RadialChart.h"
#include "core/MirrorTest.h"
#include "core/QualityMetrics.h"

#include <optional>
#include <string>
#include <vector>

namespace zonalyst::plot {

// The vertical scale of the surface error chart, chosen by the P-V wavefront error.
struct SurfaceErrorScale {
  std::string title;
  Rgb colour;
  double unitsPerMm = 0.0;  // picture units per millimetre of surface error
};

// Lowest and highest ProfileErr (mm of surface) over samples 0..100, searched from
// 1e100 and 1e-100.
struct ProfileSpan {
  double min = 1e100;
  double max = 1e-100;
};
ProfileSpan SpanOfProfile(const QualityMetrics& m);

// 200 units stand for lambda/8, lambda/4 or lambda/2 of surface when the P-V
// wavefront error P = 2 / pvFraction waves is below 1/4, 1/2 or 1 wave; from one
// wave on, for the span of the error profile (mm).
SurfaceErrorScale ChooseSurfaceErrorScale(double pvFraction, const ProfileSpan& span);

// The nanometre step of the 14 grid lines: the first of 10, 15, 20, ... that holds the
// plot height n (nm) in 13 steps, less 5 (5 nm for n <= 130). None when the height is
// not a positive number.
std::optional<double> NanometreGridStep(double unitsPerMm);

// Colour of the grid label of v nanometres: white below 70, yellow below 140, red below
// 280; above that the label keeps the colour of the one before.
Rgb GridLabelColour(double nanometres, Rgb previous);

// The scale that holds every profile: chosen for the largest P-V among them and the span
// of all of them together. At least one profile.
struct SharedScale {
  SurfaceErrorScale scale;
  ProfileSpan span;
};
SharedScale ScaleHoldingAll(const std::vector<const QualityMetrics*>& profiles);

// The centre line, the titles and the nanometre grid of the chart in the scale.
void DrawSurfaceErrorGrid(PictureSurface& s, const RadialFrame& frame, const SurfaceErrorScale& scale);

// The error profile as a curve in the scale, its lowest value spanMin (mm) on the base.
RadialCurve SurfaceErrorCurve(const RadialFrame& frame, const QualityMetrics& m, double spanMin, double unitsPerMm);

// The colour of an earlier test's curve drawn behind the current one, and of its legend.
inline constexpr Rgb kEarlierCurve{140, 140, 140};

// An earlier test to show behind the open one: its metrics (none when it is not drawn)
// and the legend that names it, or says why it is not drawn.
struct EarlierTest {
  const QualityMetrics* metrics = nullptr;
  std::string legend;
};

// The surface error cross-section of the test for the metrics last computed: centre
// line, scale title, nanometre grid, error curve, radius axes and zone marks, all in the
// test's own scale. With an earlier test, its curve is drawn faintly in that scale over
// the filled area and under the current curve's outline, cut off where it leaves the
// plot area, and its legend is printed under the axis captions.
void DrawSurfaceError(PictureSurface& s, const MirrorTest& test, const QualityMetrics& m,
                      const EarlierTest* earlier = nullptr);

}  // namespace zonalyst::plot
