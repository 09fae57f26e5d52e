#include "SurfaceErrorChart.h"

#include "core/Constants.h"
#include "core/NumberText.h"
#include "core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace zonalyst::plot {
namespace {

constexpr int kGridLines = 14;
constexpr double kNmPerMm = 1e6;
// Below this the candidates are exact and one step of 5 still changes them.
constexpr double kExactCandidates = 1e12;

void DrawCentreAndTitles(PictureSurface& s, const RadialFrame& frame, const SurfaceErrorScale& scale) {
  s.line(frame.centreX, frame.top, frame.centreX, frame.base, kOlive);
  s.setTextColour(kYellow);
  const double h = s.textHeight("X");
  PrintCentred(s, "Mirror", frame.centreX, frame.top - 2.0 * h + 5.0);
  PrintCentred(s, "Center", frame.centreX, frame.top - h);
  s.setTextColour(scale.colour);
  PrintCentred(s, scale.title, frame.centreX, 1.0);
}

void DrawNanometreGrid(PictureSurface& s, const RadialFrame& frame, double unitsPerMm) {
  const auto step = NanometreGridStep(unitsPerMm);
  if (!step) return;
  Rgb colour = kWhite;
  for (int j = 0; j < kGridLines; ++j) {
    const double v = *step * j;
    const double y = frame.base - v / kNmPerMm * unitsPerMm;
    s.line(frame.xLeft(100), y, frame.xRight(100), y, kGridGrey);
    colour = GridLabelColour(v, colour);
    s.setTextColour(colour);
    PrintRightAligned(s, FormatGeneral(v) + " nm ", frame.xLeft(100), y - 1.0);
  }
}

}  // namespace

RadialCurve SurfaceErrorCurve(const RadialFrame& frame, const QualityMetrics& m, double spanMin, double unitsPerMm) {
  RadialCurve curve;
  for (int i = 0; i <= kGridLast; ++i) {
    curve.point[i] = RoundHalfEven(frame.base - (m.ProfileErr[i] - spanMin) * unitsPerMm);
    curve.level[i] = frame.base - unitsPerMm * m.ProfileErr[i];
  }
  return curve;
}

SharedScale ScaleHoldingAll(const std::vector<const QualityMetrics*>& profiles) {
  ProfileSpan span;
  double smallestFraction = profiles.front()->PvFraction;
  for (const QualityMetrics* m : profiles) {
    const ProfileSpan own = SpanOfProfile(*m);
    span.min = std::min(span.min, own.min);
    span.max = std::max(span.max, own.max);
    smallestFraction = std::min(smallestFraction, m->PvFraction);
  }
  return {ChooseSurfaceErrorScale(smallestFraction, span), span};
}

void DrawSurfaceErrorGrid(PictureSurface& s, const RadialFrame& frame, const SurfaceErrorScale& scale) {
  DrawCentreAndTitles(s, frame, scale);
  DrawNanometreGrid(s, frame, scale.unitsPerMm);
}

ProfileSpan SpanOfProfile(const QualityMetrics& m) {
  ProfileSpan span;
  for (int i = 0; i <= kGridLast; ++i) {
    span.max = std::max(span.max, m.ProfileErr[i]);
    span.min = std::min(span.min, m.ProfileErr[i]);
  }
  return span;
}

SurfaceErrorScale ChooseSurfaceErrorScale(double pvFraction, const ProfileSpan& span) {
  const double p = 2.0 / pvFraction;
  if (p < 0.25) return {"1/4 Lambda Wave Front Scale", kWhite, kPlotHeight / (kWavelengthMm / 8.0)};
  if (p < 0.5) return {"1/2 Lambda Wave Front Scale", kYellow, kPlotHeight / (kWavelengthMm / 4.0)};
  if (p < 1.0) return {"1 Lambda Wave Front Scale", kRed, kPlotHeight / (kWavelengthMm / 2.0)};
  return {FormatRounded(p, 2) + " Lambda Wave Front Scale", kRed, kPlotHeight / (span.max - span.min)};
}

std::optional<double> NanometreGridStep(double unitsPerMm) {
  const double n = kPlotHeight / unitsPerMm * kNmPerMm;
  if (!(n > 0.0) || !std::isfinite(n)) return std::nullopt;
  // The first candidate c of 10, 15, 20, ... with n <= 13 c, found from its estimate
  // and checked against the rule itself, so that no height makes the search run long.
  double c = std::max(10.0, 5.0 * std::ceil(n / 65.0));
  if (c < kExactCandidates) {
    while (c > 10.0 && n <= 13.0 * (c - 5.0)) c -= 5.0;
    while (n > 13.0 * c) c += 5.0;
  }
  return c - 5.0;
}

Rgb GridLabelColour(double nanometres, Rgb previous) {
  if (nanometres < 70.0) return kWhite;
  if (nanometres < 140.0) return kYellow;
  if (nanometres < 280.0) return kRed;
  return previous;
}

void DrawSurfaceError(PictureSurface& s, const MirrorTest& test, const QualityMetrics& m, const EarlierTest* earlier) {
  const RadialFrame frame = RadialFrame::For(s);
  const ProfileSpan span = SpanOfProfile(m);
  const SurfaceErrorScale scale = ChooseSurfaceErrorScale(m.PvFraction, span);
  s.clear();
  DrawSurfaceErrorGrid(s, frame, scale);
  const RadialCurve curve = SurfaceErrorCurve(frame, m, span.min, scale.unitsPerMm);
  DrawRadialCurve(s, frame, curve);
  if (earlier && earlier->metrics) {
    DrawRadialLine(s, frame, SurfaceErrorCurve(frame, *earlier->metrics, span.min, scale.unitsPerMm), kEarlierCurve);
    DrawRadialLine(s, frame, curve, kRed);
  }
  DrawRadiusAxesAndZones(s, frame, test, curve);
  if (earlier) {
    s.setTextColour(kEarlierCurve);
    PrintCentred(s, ElidedToWidth(s, earlier->legend, s.scaleWidth() - 8.0), frame.centreX,
                 frame.base + 1.0 + 2.0 * s.textHeight("X"));
  }
}

}  // namespace zonalyst::plot
