#include "RadialChart.h"

#include "core/NumberText.h"
#include "core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst::plot {
namespace {

constexpr double kLargestSemiDiameter = 1e6;

// The curve sample under a fraction of the semi-diameter, or none beyond the edge.
std::optional<int> SampleAt(double fraction) {
  const double k = std::floor(fraction * 100.0);
  if (!(k >= 0.0 && k <= kGridLast)) return std::nullopt;
  return static_cast<int>(k);
}

void DrawPercentAxis(PictureSurface& s, const RadialFrame& frame, const RadialCurve& curve) {
  s.setTextColour(kWhite);
  for (int k = 1; k <= 10; ++k) {
    const double x = frame.centreX + 30.0 * k;
    s.line(x, curve.point[10 * k], x, frame.base, kRed);
    PrintCentred(s, std::to_string(10 * k), x, frame.base + 1.0);
  }
}

void DrawLengthAxis(PictureSurface& s, const RadialFrame& frame, const MirrorTest& test, const RadialCurve& curve) {
  const double semi = test.Diameter / 2.0;
  const LengthAxis axis = ChooseLengthAxis(semi, test.inInches());
  for (int j = 1; j <= axis.count; ++j) {
    const double fraction = j * axis.step / semi;
    const double x = frame.centreX - fraction * kHalfWidth;
    if (const auto k = SampleAt(fraction)) s.line(x, curve.point[*k], x, frame.base, kRed);
    PrintCentred(s, FormatGeneral(j * axis.step), x, frame.base + 1.0);
  }
  s.line(frame.xLeft(100), curve.point[kGridLast], frame.xLeft(100), frame.base, kRed);
}

void DrawAxisCaptions(PictureSurface& s, const RadialFrame& frame, bool inches) {
  const double top = frame.base + 1.0 + s.textHeight("X");
  PrintCentred(s, inches ? "Inches of Radius" : "Millimeters of Radius", frame.centreX - 150.0, top);
  PrintCentred(s, "Percent Radius", frame.centreX + 150.0, top);
}

// One line of a zone's label, centred on the zone's mark.
struct LabelLine {
  std::string text;
  double top = 0.0;
};

// A zone's mark on one half of the chart.
struct ZoneMark {
  int zone = 0;
  double x = 0.0;
  std::optional<double> crossing;  // where the mark crosses the curve
};

// Labels closer than this (picture units) read as one.
constexpr double kLabelGap = 2.0;
// How far a zone's "Z" stands above its number.
constexpr double kLabelLineStep = 9.0;

std::string NumberOf(const ZoneMark& mark) { return std::to_string(mark.zone); }

bool TooClose(const PictureSurface& s, const ZoneMark& a, const ZoneMark& b) {
  const double reach = (s.textWidth(NumberOf(a)) + s.textWidth(NumberOf(b))) / 2.0 + kLabelGap;
  return std::abs(a.x - b.x) < reach;
}

bool Crowded(const PictureSurface& s, const std::vector<ZoneMark>& marks) {
  for (std::size_t i = 0; i < marks.size(); ++i) {
    for (std::size_t j = i + 1; j < marks.size(); ++j) {
      if (TooClose(s, marks[i], marks[j])) return true;
    }
  }
  return false;
}

// The label of each mark. A "Z" stands above the zone's number while no two numbers come
// close; on a denser mask the numbers stand alone, odd zones on the lower line and even
// ones on the upper, and a number that would still come close to one already placed on its
// line is left out, the outer zones placed first.
std::vector<std::vector<LabelLine>> PlaceZoneLabels(const PictureSurface& s, const RadialFrame& frame,
                                                    const std::vector<ZoneMark>& marks) {
  const auto numberTop = [&](const ZoneMark& mark) { return frame.top - s.textHeight(NumberOf(mark)); };
  std::vector<std::vector<LabelLine>> labels(marks.size());
  if (!Crowded(s, marks)) {
    for (std::size_t i = 0; i < marks.size(); ++i) {
      labels[i] = {{NumberOf(marks[i]), numberTop(marks[i])}, {"Z", numberTop(marks[i]) - kLabelLineStep}};
    }
    return labels;
  }
  const auto upper = [](const ZoneMark& mark) { return mark.zone % 2 == 0; };
  std::vector<std::size_t> order(marks.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return marks[a].zone > marks[b].zone; });
  std::vector<ZoneMark> placed;
  for (const std::size_t i : order) {
    const ZoneMark& mark = marks[i];
    const bool taken = std::any_of(placed.begin(), placed.end(), [&](const ZoneMark& other) {
      return upper(other) == upper(mark) && TooClose(s, mark, other);
    });
    if (taken) continue;
    labels[i] = {{NumberOf(mark), numberTop(mark) - (upper(mark) ? kLabelLineStep : 0.0)}};
    placed.push_back(mark);
  }
  return labels;
}

void DrawZoneMarks(PictureSurface& s, const RadialFrame& frame, const MirrorTest& test, const RadialCurve& curve) {
  s.setTextColour(kYellow);
  const double semiMm = test.diameterMm() / 2.0;
  std::vector<ZoneMark> marks;
  for (int z = 1; z <= std::min(test.ZoneCount, kMaxZones); ++z) {
    const double fraction = test.effectiveRadius(z) * test.mmPerUnit() / semiMm;
    std::optional<double> crossing;
    if (const auto k = SampleAt(fraction)) crossing = curve.level[*k];
    marks.push_back({z, frame.centreX - fraction * kHalfWidth, crossing});
    marks.push_back({z, frame.centreX + fraction * kHalfWidth, crossing});
  }
  const std::vector<std::vector<LabelLine>> labels = PlaceZoneLabels(s, frame, marks);
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const ZoneMark& mark = marks[i];
    if (mark.crossing) {
      const double y = *mark.crossing - 5.0;
      s.line(mark.x, y, mark.x, y + 10.0, kYellow);
      s.line(mark.x, frame.top, mark.x, y, kOlive);
    }
    for (const LabelLine& line : labels[i]) PrintCentred(s, line.text, mark.x, line.top);
  }
}

// The part of the step from height y1 to y2 that lies between top and base: where it
// starts and ends as fractions of the step, and its heights there.
struct StepPart {
  double from, to, y1, y2;
};
std::optional<StepPart> PartWithin(double y1, double y2, double top, double base) {
  if (!std::isfinite(y1) || !std::isfinite(y2)) return std::nullopt;
  double from = 0.0, to = 1.0;
  if (y1 != y2) {
    const double atTop = (top - y1) / (y2 - y1);
    const double atBase = (base - y1) / (y2 - y1);
    from = std::max(from, std::min(atTop, atBase));
    to = std::min(to, std::max(atTop, atBase));
  } else if (y1 < top || y1 > base) {
    return std::nullopt;
  }
  if (from > to) return std::nullopt;
  const auto at = [&](double t) { return std::clamp(y1 + (y2 - y1) * t, top, base); };
  return StepPart{from, to, at(from), at(to)};
}

}  // namespace

RadialFrame RadialFrame::For(const PictureSurface& s) {
  RadialFrame frame;
  frame.top = (s.scaleHeight() - kPlotHeight) / 2;
  frame.base = frame.top + kPlotHeight;
  frame.centreX = s.scaleWidth() / 2;
  return frame;
}

LengthAxis ChooseLengthAxis(double semiDiameter, bool inches) {
  // Beyond a kilometre the steps no longer change the numbers; no mirror is that large.
  if (!(semiDiameter > 0.0) || !(semiDiameter <= kLargestSemiDiameter)) return {};
  LengthAxis axis;
  if (inches) {
    // The first multiple of 0.5 whose label count S / t rounds to at most 10; the
    // estimate S / 10.5 is corrected by the rounding rule itself.
    auto count = [&](double t) { return RoundHalfEven(semiDiameter / t); };
    double t = std::max(0.5, 0.5 * std::ceil(semiDiameter / 10.5 / 0.5));
    while (t > 0.5 && count(t - 0.5) <= 10.0) t -= 0.5;
    while (count(t) > 10.0) t += 0.5;
    double m = count(t);
    if (m * t > semiDiameter) m -= 1.0;
    axis.step = t;
    axis.count = static_cast<int>(m);
  } else {
    // The first multiple of 5 that goes into the rounded semi-diameter at most 10 times.
    const double whole = RoundHalfEven(semiDiameter);
    auto count = [&](double t) { return std::floor(whole / t); };
    double t = std::max(5.0, 5.0 * std::floor(whole / 11.0 / 5.0));
    while (t > 5.0 && count(t - 5.0) <= 10.0) t -= 5.0;
    while (count(t) > 10.0) t += 5.0;
    axis.step = t;
    axis.count = static_cast<int>(count(t));
  }
  return axis;
}

void DrawRadialCurve(PictureSurface& s, const RadialFrame& frame, const RadialCurve& curve) {
  for (int i = 0; i < kGridLast; ++i) {
    const double y = curve.point[i];
    const double yNext = curve.point[i + 1];
    s.line(frame.xRight(i), y, frame.xRight(i), frame.base, kDarkRed);
    s.line(frame.xRight(i), y, frame.xRight(i + 1), yNext, kRed);
    s.line(frame.xLeft(i), y, frame.xLeft(i), frame.base, kDarkRed);
    s.line(frame.xLeft(i), y, frame.xLeft(i + 1), yNext, kRed);
  }
}

void DrawRadialLine(PictureSurface& s, const RadialFrame& frame, const RadialCurve& curve, Rgb colour) {
  for (int i = 0; i < kGridLast; ++i) {
    const auto part = PartWithin(curve.point[i], curve.point[i + 1], frame.top, frame.base);
    if (!part) continue;
    const double from = i + part->from;  // per cent of the radius
    const double to = i + part->to;
    s.line(frame.xRight(from), part->y1, frame.xRight(to), part->y2, colour);
    s.line(frame.xLeft(from), part->y1, frame.xLeft(to), part->y2, colour);
  }
}

void DrawRadiusAxesAndZones(PictureSurface& s, const RadialFrame& frame, const MirrorTest& test,
                            const RadialCurve& curve) {
  DrawPercentAxis(s, frame, curve);
  DrawLengthAxis(s, frame, test, curve);
  DrawAxisCaptions(s, frame, test.inInches());
  DrawZoneMarks(s, frame, test, curve);
}

}  // namespace zonalyst::plot
