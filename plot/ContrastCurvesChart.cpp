#include "ContrastCurvesChart.h"

#include "ChartScale.h"
#include "core/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace zonalyst::plot {
namespace {

// One colour per pass of a sweep, told apart from each other and from the white marks.
constexpr std::array<Rgb, 6> kPassColours = {
    {{255, 150, 0}, {0, 200, 255}, {255, 80, 160}, {120, 255, 0}, {255, 255, 0}, {160, 120, 255}}};
constexpr Rgb kUnread{90, 90, 90};
constexpr double kDotRadius = 2.0;
constexpr double kNullMark = 6.0;  // half the null's cross, picture units

Rgb CurveColour(const ZoneNull& zone) { return zone.reading ? ZoneColour(zone.zone) : kUnread; }

void DrawAxes(PictureSurface& s, const ContrastFrame& f, bool inches) {
  const double h = s.textHeight("X");
  s.line(f.left, f.top, f.right, f.top, kGridGrey);
  s.line(f.left, f.base, f.right, f.base, kGridGrey);
  s.line(f.left, f.top, f.left, f.base, kGridGrey);
  s.line(f.right, f.top, f.right, f.base, kGridGrey);
  s.line(f.left, f.y(0.0), f.right, f.y(0.0), kWhite);

  const double step = RoundTickStep(f.positionMax - f.positionMin);
  const int decimals = FewestDecimals(step);
  s.setTextColour(kWhite);
  for (double tick = std::ceil(f.positionMin / step - 1e-9) * step; tick <= f.positionMax + 1e-9 * step; tick += step) {
    s.line(f.x(tick), f.base, f.x(tick), f.base + 4.0, kWhite);
    PrintCentred(s, FormatFixed(tick, decimals), f.x(tick), f.base + 6.0);
  }
  PrintCentred(s, std::string("Knife position (") + (inches ? "in" : "mm") + ")", (f.left + f.right) / 2.0,
               f.base + 8.0 + h);

  const int contrastDecimals = FewestDecimals(f.contrastTop / 2.0);
  for (const double c : {-1.0, -0.5, 0.0, 0.5, 1.0}) {
    const double value = c * f.contrastTop;
    s.line(f.left - 4.0, f.y(value), f.left, f.y(value), kWhite);
    PrintRightAligned(s, FormatFixed(value, contrastDecimals) + " ", f.left - 4.0, f.y(value));
  }
  PrintCentred(s, "Contrast (L - R) / (L + R)", (f.left + f.right) / 2.0, f.top - 2.0 * h);
}

// A curve's points as dots joined by lines; a point whose contrast is not a number breaks it.
void DrawCurve(PictureSurface& s, const ContrastFrame& f, const std::vector<double>& positions,
               const std::vector<double>& contrast, Rgb colour) {
  const std::size_t n = std::min(positions.size(), contrast.size());
  bool previous = false;
  for (std::size_t i = 0; i < n; ++i) {
    const double c = contrast[i];
    const bool shown = std::isfinite(c);
    if (shown) s.circle(f.x(positions[i]), f.y(c), kDotRadius, colour);
    if (shown && previous) s.line(f.x(positions[i - 1]), f.y(contrast[i - 1]), f.x(positions[i]), f.y(c), colour);
    previous = shown;
  }
}

// A reading's cross on the zero line.
void DrawNull(PictureSurface& s, const ContrastFrame& f, double reading, Rgb colour) {
  const double x = f.x(reading);
  const double y = f.y(0.0);
  s.line(x - kNullMark, y - kNullMark, x + kNullMark, y + kNullMark, colour);
  s.line(x - kNullMark, y + kNullMark, x + kNullMark, y - kNullMark, colour);
}

// Legend lines from the top of the plot area down, right of it.
void DrawLegendLine(PictureSurface& s, const ContrastFrame& f, int line, const std::string& text, Rgb colour) {
  const double h = s.textHeight("X");
  const double x = f.right + 14.0;
  const double y = f.top + line * (h + 2.0);
  s.line(x, y + h / 2.0, x + 12.0, y + h / 2.0, colour);
  s.setTextColour(colour);
  s.setTextPosition(x + 18.0, y);
  s.print(text);
}

std::string ReadingText(const std::optional<double>& reading, bool inches) {
  return reading ? KnifeReadingText(*reading, inches) : std::string("unread");
}

// The smallest of 0.01, 0.02, 0.05, 0.1, ... 1 at or above the largest contrast.
double ContrastTop(double largest) {
  constexpr std::array kContrastTops = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0};
  return *std::find_if(kContrastTops.begin(), kContrastTops.end() - 1, [&](double top) { return top >= largest; });
}

double LargestContrast(const std::vector<double>& contrast, double largest) {
  for (const double c : contrast) {
    if (std::isfinite(c)) largest = std::max(largest, std::fabs(c));
  }
  return largest;
}

}  // namespace

ContrastFrame ContrastFrame::For(const PhotoReadingsResult& result) {
  ContrastFrame f;
  const std::vector<double>& p = result.positions;
  if (!p.empty()) {
    const auto [low, high] = std::minmax_element(p.begin(), p.end());
    const double margin = *high > *low ? (*high - *low) / (2.0 * static_cast<double>(p.size() - 1)) : 1.0;
    f.positionMin = *low - margin;
    f.positionMax = *high + margin;
  }
  double largest = 0.0;
  for (const ZoneNull& zone : result.zones) largest = LargestContrast(zone.contrast, largest);
  f.contrastTop = ContrastTop(largest);
  return f;
}

ContrastFrame ContrastFrame::For(const SweepResult& result) {
  ContrastFrame f;
  double low = std::numeric_limits<double>::infinity(), high = -low, largest = 0.0;
  for (const SweepZone& zone : result.zones) {
    for (const PassCurve& curve : zone.curves) {
      for (const double x : curve.positions) low = std::min(low, x), high = std::max(high, x);
      largest = LargestContrast(curve.contrast, largest);
    }
  }
  if (low <= high) {
    const double margin = high > low ? 0.02 * (high - low) : 1.0;
    f.positionMin = low - margin;
    f.positionMax = high + margin;
  }
  f.contrastTop = ContrastTop(largest);
  return f;
}

void DrawContrastCurves(PictureSurface& s, const PhotoReadingsResult& result, bool inches) {
  s.clear();
  const ContrastFrame f = ContrastFrame::For(result);
  DrawAxes(s, f, inches);
  // Unread zones first, so that the read curves lie on top of them.
  for (const bool read : {false, true}) {
    for (const ZoneNull& zone : result.zones) {
      if (zone.reading.has_value() != read) continue;
      DrawCurve(s, f, result.positions, zone.contrast, CurveColour(zone));
      if (zone.reading) DrawNull(s, f, *zone.reading, CurveColour(zone));
    }
  }
  int line = 0;
  for (const ZoneNull& zone : result.zones) {
    DrawLegendLine(s, f, line++, "Zone " + std::to_string(zone.zone) + "  " + ReadingText(zone.reading, inches),
                   CurveColour(zone));
  }
}

void DrawSweepCurves(PictureSurface& s, const SweepResult& result, bool inches) {
  s.clear();
  const ContrastFrame f = ContrastFrame::For(result);
  DrawAxes(s, f, inches);
  const auto passColour = [](std::size_t pass) { return kPassColours[pass % kPassColours.size()]; };
  for (const bool read : {false, true}) {
    for (const SweepZone& zone : result.zones) {
      if (zone.reading.has_value() != read) continue;
      for (const PassCurve& curve : zone.curves) {
        DrawCurve(s, f, curve.positions, curve.contrast, read ? passColour(curve.pass) : kUnread);
      }
    }
  }
  int line = 0;
  for (std::size_t p = 0; p < result.passes.size(); ++p) {
    const bool in = result.passes[p].pass.direction == Travel::In;
    DrawLegendLine(s, f, line++, "Pass " + std::to_string(p + 1) + (in ? "  in" : "  out"), passColour(p));
  }
  ++line;
  for (const SweepZone& zone : result.zones) {
    if (zone.reading) DrawNull(s, f, *zone.reading, kWhite);
    DrawLegendLine(s, f, line++, "Zone " + std::to_string(zone.zone) + "  " + ReadingText(zone.reading, inches),
                   zone.reading ? kWhite : kUnread);
  }
}

}  // namespace zonalyst::plot
