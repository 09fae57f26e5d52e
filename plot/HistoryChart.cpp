#include "HistoryChart.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "RadialChart.h"
#include "SurfaceErrorChart.h"
#include "core/NumberText.h"

namespace zonalyst::plot {
namespace {

constexpr int kMostXLabels = 20;

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

  const int stride = (f.count + kMostXLabels - 1) / kMostXLabels;
  s.setTextColour(kWhite);
  for (int k = 0; k < f.count; ++k) {
    if ((f.count - 1 - k) % stride == 0) PrintCentred(s, std::to_string(k + 1), f.x(k), f.base + 2.0);
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
