#include "ContrastCurvesChart.h"

#include "ChartScale.h"
#include "core/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace zonalyst::plot {
namespace {

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

void DrawZone(PictureSurface& s, const ContrastFrame& f, const std::vector<double>& positions, const ZoneNull& zone) {
  const Rgb colour = CurveColour(zone);
  const std::size_t n = std::min(positions.size(), zone.contrast.size());
  bool previous = false;
  for (std::size_t i = 0; i < n; ++i) {
    const double c = zone.contrast[i];
    const bool shown = std::isfinite(c);
    if (shown) s.circle(f.x(positions[i]), f.y(c), kDotRadius, colour);
    if (shown && previous) {
      s.line(f.x(positions[i - 1]), f.y(zone.contrast[i - 1]), f.x(positions[i]), f.y(c), colour);
    }
    previous = shown;
  }
  if (!zone.reading) return;
  const double x = f.x(*zone.reading);
  const double y = f.y(0.0);
  s.line(x - kNullMark, y - kNullMark, x + kNullMark, y + kNullMark, colour);
  s.line(x - kNullMark, y + kNullMark, x + kNullMark, y - kNullMark, colour);
}

void DrawLegend(PictureSurface& s, const ContrastFrame& f, const PhotoReadingsResult& result, bool inches) {
  const double h = s.textHeight("X");
  const double x = f.right + 14.0;
  double y = f.top;
  for (const ZoneNull& zone : result.zones) {
    const Rgb colour = CurveColour(zone);
    s.line(x, y + h / 2.0, x + 12.0, y + h / 2.0, colour);
    s.setTextColour(colour);
    s.setTextPosition(x + 18.0, y);
    s.print("Zone " + std::to_string(zone.zone) + "  " +
            (zone.reading ? KnifeReadingText(*zone.reading, inches) : std::string("unread")));
    y += h + 2.0;
  }
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
  for (const ZoneNull& zone : result.zones) {
    for (const double c : zone.contrast) {
      if (std::isfinite(c)) largest = std::max(largest, std::fabs(c));
    }
  }
  constexpr std::array kContrastTops = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0};
  f.contrastTop =
      *std::find_if(kContrastTops.begin(), kContrastTops.end() - 1, [&](double top) { return top >= largest; });
  return f;
}

void DrawContrastCurves(PictureSurface& s, const PhotoReadingsResult& result, bool inches) {
  s.clear();
  const ContrastFrame f = ContrastFrame::For(result);
  DrawAxes(s, f, inches);
  // Unread zones first, so that the read curves lie on top of them.
  for (const bool read : {false, true}) {
    for (const ZoneNull& zone : result.zones) {
      if (zone.reading.has_value() == read) DrawZone(s, f, result.positions, zone);
    }
  }
  DrawLegend(s, f, result, inches);
}

}  // namespace zonalyst::plot
