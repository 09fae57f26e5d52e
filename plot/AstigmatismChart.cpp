#include "AstigmatismChart.h"

#include "ChartScale.h"
#include "core/AstigmatismText.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zonalyst::plot {
namespace {

constexpr double kDotRadius = 2.0;
constexpr double kMark = 6.0;        // half a test's cross, picture units
constexpr double kZoneSpread = 3.0;  // zones' dots side by side at one orientation

void DrawAxes(PictureSurface& s, const AstigmatismFrame& f, const AstigmatismFit& fit) {
  const double h = s.textHeight("X");
  s.setTextColour(kWhite);
  const int decimals = FewestDecimals(f.step);
  for (double tick = f.shiftLow; tick <= f.shiftHigh + f.step / 2.0; tick += f.step) {
    s.line(f.left, f.y(tick), f.right, f.y(tick), kGridGrey);
    PrintRightAligned(s, FormatFixed(tick, decimals) + " ", f.left - 2.0, f.y(tick));
  }
  for (int deg = 0; deg <= 180; deg += 30) {
    s.line(f.x(deg), f.top, f.x(deg), f.base, kGridGrey);
    PrintCentred(s, std::to_string(deg), f.x(deg), f.base + 8.0);
  }
  PrintCentred(s, "Orientation of the mirror (degrees)", (f.left + f.right) / 2.0, f.base + 12.0 + h);
  s.setTextPosition(4.0, f.top - 2.0 * h - 6.0);
  s.print(std::string("Shift of the readings (") + (fit.inches ? "in" : "mm") + ")");
}

void DrawTitle(PictureSurface& s, const AstigmatismFit& fit) {
  s.setTextColour(kWhite);
  s.setTextPosition(4.0, 4.0);
  if (fit.axisDetermined) {
    s.print("A = " + ReadingText(fit, fit.amplitude) + " +/- " +
            FormatFixed(fit.amplitudeUncertainty, fit.inches ? 5 : 4) +
            (fit.axisDeg ? ", longer radius at " + FormatFixed(*fit.axisDeg, 1) + " deg" : std::string()));
  } else {
    s.print("Two orientations: A at least " + ReadingText(fit, fit.amplitude) + "; a third is needed for the axis");
  }
  s.print(std::string("wavefront P-V ") + (fit.axisDetermined ? "" : "at least ") + FormatFixed(fit.wavefrontPvNm, 1) +
          " nm = " + FormatFixed(fit.wavefrontPvWaves, 3) + " waves, " + VerdictText(fit.verdict));
}

void DrawFit(PictureSurface& s, const AstigmatismFrame& f, const AstigmatismFit& fit) {
  if (!fit.k0) return;
  for (int deg = 0; deg < 180; ++deg) {
    s.line(f.x(deg), f.y(*fit.fittedShift(deg)), f.x(deg + 1), f.y(*fit.fittedShift(deg + 1)), kWhite);
  }
  if (!fit.axisDeg) return;
  const double x = f.x(*fit.axisDeg);
  for (double y = f.top; y < f.base; y += 8.0) s.line(x, y, x, std::min(y + 3.0, f.base), kYellow);
  s.setTextColour(kYellow);
  PrintCentred(s, "longer radius", x, f.top - s.textHeight("X") - 2.0);
}

void DrawTests(PictureSurface& s, const AstigmatismFrame& f, const AstigmatismFit& fit) {
  for (const OrientationShift& t : fit.tests) {
    const double zones = static_cast<double>(t.zoneShifts.size());
    for (std::size_t z = 0; z < t.zoneShifts.size(); ++z) {
      const double dx = (static_cast<double>(z) - (zones - 1.0) / 2.0) * kZoneSpread;
      s.circle(f.x(AsDiameterDeg(t.angleDeg)) + dx, f.y(t.zoneShifts[z]), kDotRadius,
               ZoneColour(static_cast<int>(z) + 1));
    }
  }
  for (const OrientationShift& t : fit.tests) {
    const double x = f.x(AsDiameterDeg(t.angleDeg)), y = f.y(t.shift);
    s.line(x - kMark, y, x + kMark, y, kWhite);
    s.line(x, y - kMark, x, y + kMark, kWhite);
    if (t.repeatOf) s.circle(x, y, kMark + 3.0, kWhite);
  }
}

void DrawLegend(PictureSurface& s, const AstigmatismFrame& f, const AstigmatismFit& fit) {
  const double h = s.textHeight("X");
  const double x = f.right + 16.0;
  double y = f.top;
  s.setTextColour(kWhite);
  s.setTextPosition(x, y);
  s.print(fit.axisDetermined ? "Zone  A, axis" : "Zone  A at least");
  y += h + 4.0;
  for (const ZoneAstigmatism& zone : fit.zones) {
    s.circle(x + 4.0, y + h / 2.0, kDotRadius, ZoneColour(zone.zone));
    s.setTextColour(ZoneColour(zone.zone));
    s.setTextPosition(x + 14.0, y);
    s.print(std::to_string(zone.zone) + "  " + FormatFixed(zone.amplitude, fit.inches ? 5 : 4) +
            (zone.axisDeg ? "  " + FormatFixed(*zone.axisDeg, 0) : std::string()));
    y += h + 2.0;
  }
  y += h;
  s.setTextColour(kWhite);
  s.line(x, y + h / 2.0, x + 8.0, y + h / 2.0, kWhite);
  s.line(x + 4.0, y + h / 2.0 - 4.0, x + 4.0, y + h / 2.0 + 4.0, kWhite);
  s.setTextPosition(x + 14.0, y);
  s.print("mean of the zones");
  if (std::any_of(fit.tests.begin(), fit.tests.end(),
                  [](const OrientationShift& t) { return t.repeatOf.has_value(); })) {
    s.circle(x + 4.0, y + 1.5 * h + 6.0, kMark / 2.0 + 1.0, kWhite);
    s.setTextPosition(x + 14.0, y + h + 6.0);
    s.print("taken again");
  }
}

}  // namespace

double AstigmatismFrame::x(double angleDeg) const { return left + (right - left) * angleDeg / 180.0; }

AstigmatismFrame AstigmatismFrame::For(const AstigmatismFit& fit) {
  double low = 0.0, high = 0.0;
  const auto take = [&](double v) {
    low = std::min(low, v);
    high = std::max(high, v);
  };
  for (const OrientationShift& t : fit.tests) {
    take(t.shift);
    for (const double z : t.zoneShifts) take(z);
  }
  if (fit.k0) {
    take(*fit.k0 - fit.amplitude);
    take(*fit.k0 + fit.amplitude);
  }
  AstigmatismFrame f;
  const double span = high > low ? high - low : (fit.inches ? 0.0004 : 0.01);
  f.step = RoundTickStep(span);
  f.shiftLow = std::floor(low / f.step - 0.25) * f.step;
  f.shiftHigh = std::ceil(high / f.step + 0.25) * f.step;
  return f;
}

void DrawAstigmatism(PictureSurface& s, const AstigmatismFit& fit) {
  s.clear();
  const AstigmatismFrame f = AstigmatismFrame::For(fit);
  DrawAxes(s, f, fit);
  DrawFit(s, f, fit);
  DrawTests(s, f, fit);
  DrawLegend(s, f, fit);
  DrawTitle(s, fit);
}

}  // namespace zonalyst::plot
