#include "TransverseErrorChart.h"

#include "RadialChart.h"
#include "core/NumberText.h"
#include "core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zonalyst::plot {
namespace {

constexpr char kTitle[] = "Normalized Transverse Error";

void DrawGrid(PictureSurface& s, const RadialFrame& frame, int zeroY, const TransverseScale& scale) {
  for (int k = 0; k <= 10; ++k) {
    const double y = zeroY + (k - 5) * scale.gridStep * scale.unitsPerValue;
    s.line(frame.xLeft(100), y, frame.xRight(100), y, kGridGrey);
    PrintRightAligned(s, FormatRounded(-(k - 5) * scale.gridStep, 3), frame.xLeft(100) - 2.0, y);
  }
}

RadialCurve TransverseCurve(int zeroY, const QualityMetrics& m, const TransverseScale& scale) {
  RadialCurve curve;
  for (int i = 0; i <= kGridLast; ++i) {
    curve.level[i] = zeroY - m.TransErr[i] * scale.unitsPerValue;
    curve.point[i] = RoundHalfEven(curve.level[i]);
  }
  return curve;
}

// One character under the other down the left side of the picture.
void DrawVerticalTitle(PictureSurface& s, const RadialFrame& frame) {
  const double pitch = s.textHeight("X") / 1.5;
  const std::string title = kTitle;
  for (std::size_t k = 1; k <= title.size(); ++k) {
    s.setTextPosition(frame.centreX - 360.0, 5.0 + k * pitch);
    s.print(title.substr(k - 1, 1));
  }
}

}  // namespace

std::optional<TransverseScale> ChooseTransverseScale(double largestMagnitude) {
  const double m = largestMagnitude;
  if (!std::isfinite(m)) return std::nullopt;
  double full = 1.0;
  if (m > 1.0) {
    // The first of 10, 20, 30, ... at or above m, from its estimate.
    full = 10.0 * std::ceil(m / 10.0);
    if (full < m) full += 10.0;
  }
  const double q = m / full;
  if (q < 0.2) {
    full *= 0.2;
  } else if (q < 0.5) {
    full *= 0.5;
  }
  return TransverseScale{full, full / 5.0, 100.0 / full};
}

double LargestTransverseError(const QualityMetrics& m) {
  double largest = 0.0;
  double smallest = 0.0;
  for (int i = 0; i <= kGridLast; ++i) {
    largest = std::max(largest, m.TransErr[i]);
    smallest = std::min(smallest, m.TransErr[i]);
  }
  return std::max(std::abs(largest), std::abs(smallest));
}

void DrawTransverseError(PictureSurface& s, const MirrorTest& test, const QualityMetrics& m) {
  const RadialFrame frame = RadialFrame::For(s);
  const int zeroY = s.scaleHeight() / 2;
  s.clear();
  s.setTextColour(kWhite);
  if (const auto scale = ChooseTransverseScale(LargestTransverseError(m))) {
    DrawGrid(s, frame, zeroY, *scale);
    const RadialCurve curve = TransverseCurve(zeroY, m, *scale);
    DrawRadialCurve(s, frame, curve);
    DrawRadiusAxesAndZones(s, frame, test, curve);
  }
  s.setTextColour(kWhite);
  DrawVerticalTitle(s, frame);
}

}  // namespace zonalyst::plot
