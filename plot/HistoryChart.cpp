#include "HistoryChart.h"

#include "RadialChart.h"
#include "SurfaceErrorChart.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zonalyst::plot {
namespace {

// Older curves fade towards the background; the newest before the latest is nearly red.
Rgb Faded(int k, int count) {
  const double t = static_cast<double>(k + 1) / count;
  const auto level = [&](double dim, double bright) { return static_cast<std::uint8_t>(dim + (bright - dim) * t); };
  return {level(50, 190), level(15, 70), level(15, 70)};
}

void DrawCurves(PictureSurface& s, const MirrorTest& latest, const std::vector<const QualityMetrics*>& tests) {
  const RadialFrame frame{(kSG.height - kPlotHeight) / 2, (kSG.height + kPlotHeight) / 2, s.scaleWidth() / 2};
  const auto [scale, span] = ScaleHoldingAll(tests);
  DrawSurfaceErrorGrid(s, frame, scale);
  const int count = static_cast<int>(tests.size());
  for (int k = 0; k + 1 < count; ++k) {
    DrawRadialLine(s, frame, SurfaceErrorCurve(frame, *tests[k], span.min, scale.unitsPerMm), Faded(k, count));
  }
  const RadialCurve newest = SurfaceErrorCurve(frame, *tests.back(), span.min, scale.unitsPerMm);
  DrawRadialLine(s, frame, newest, kRed);
  DrawRadiusAxesAndZones(s, frame, latest, newest);
}

// Every how many tests a number stands under the axis, counted back from the latest: a
// step of 1, 2 or 5 times a power of ten that leaves the widest number a blank's room.
int LabelStep(const PictureSurface& s, const TrendFrame& f) {
  const double room = s.textWidth(std::to_string(f.count) + " ");
  const double perTest = (f.right - f.left) / f.count;
  for (int power = 1;; power *= 10) {
    for (const int factor : {1, 2, 5}) {
      if (factor * power * perTest >= room || factor * power >= f.count) return factor * power;
    }
  }
}

void DrawTrend(PictureSurface& s, const std::vector<const QualityMetrics*>& tests) {
  TrendFrame f;
  f.count = static_cast<int>(tests.size());
  double largest = 0.0;
  for (const QualityMetrics* m : tests) largest = std::max(largest, m->rmsNanometres());
  f.rmsTop = RoundAxisEnd(largest);

  s.line(f.left, f.base, f.right, f.base, kGridGrey);
  s.line(f.left, f.top, f.right, f.top, kGridGrey);
  s.line(f.left, f.top, f.left, f.base, kGreen);
  s.line(f.right, f.top, f.right, f.base, kYellow);
  const double h = s.textHeight("X");
  s.setTextColour(kGreen);
  PrintRightAligned(s, "0 nm ", f.left, f.base);
  PrintRightAligned(s, FormatGeneral(f.rmsTop) + " nm ", f.left, f.top);
  PrintCentred(s, "RMS (nm)", f.left, f.top - 2.0 * h);
  s.setTextColour(kYellow);
  s.setTextPosition(f.right + 4.0, f.base - h / 2.0);
  s.print("0");
  s.setTextPosition(f.right + 4.0, f.top - h / 2.0);
  s.print("1");
  PrintCentred(s, "Strehl", f.right, f.top - 2.0 * h);

  const int step = LabelStep(s, f);
  s.setTextColour(kWhite);
  for (int k = 0; k < f.count; ++k) {
    if ((f.count - 1 - k) % step == 0) PrintCentred(s, std::to_string(k + 1), f.x(k), f.base + 2.0);
  }
  PrintCentred(s, "Test, oldest to latest", (f.left + f.right) / 2.0, f.base + 2.0 + h);

  for (int k = 0; k < f.count; ++k) {
    const QualityMetrics& m = *tests[k];
    s.circle(f.x(k), f.yRms(m.rmsNanometres()), 2.0, kGreen);
    s.circle(f.x(k), f.yStrehl(m.Strehl), 2.0, kYellow);
    if (k == 0) continue;
    const QualityMetrics& before = *tests[k - 1];
    s.line(f.x(k - 1), f.yRms(before.rmsNanometres()), f.x(k), f.yRms(m.rmsNanometres()), kGreen);
    s.line(f.x(k - 1), f.yStrehl(before.Strehl), f.x(k), f.yStrehl(m.Strehl), kYellow);
  }
}

}  // namespace

double RoundAxisEnd(double largest) {
  double end = 1.0;
  // A non-finite RMS would never be reached: such a value keeps the smallest axis.
  if (!(largest > 1.0) || !std::isfinite(largest)) return end;
  end = std::pow(10.0, std::floor(std::log10(largest)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (end * factor >= largest) return end * factor;
  }
  return end * 10.0;
}

void DrawHistory(PictureSurface& s, const MirrorTest& latest, const std::vector<const QualityMetrics*>& oldestFirst) {
  s.clear();
  if (oldestFirst.empty()) return;
  DrawCurves(s, latest, oldestFirst);
  DrawTrend(s, oldestFirst);
}

}  // namespace zonalyst::plot
