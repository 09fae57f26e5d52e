#include "PhotoReadings.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

// A Couder mask lets light through its openings only: in the brightest-of-all frame, where
// every part of a bare mirror is lit in some frame, most of the annulus that the zones span
// stays as dark as the background. Parts of a bare mirror are never fully lit (the knife
// edge darkens the vertical diameter evenly at every position), so a pixel counts as lit
// above a tenth of the way from the background (the median grey outside the disc) to the
// lit level (the 95th percentile inside the annulus).

namespace {

constexpr double kLitPercentile = 0.95;
constexpr double kLitFractionOfTheWay = 0.1;
constexpr double kMaskedBelowLitFraction = 0.5;

double Percentile(std::vector<std::uint16_t>& values, double fraction) {
  const auto at = values.begin() + static_cast<std::ptrdiff_t>(fraction * static_cast<double>(values.size() - 1));
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

}  // namespace

bool DetectMask(const GreyFrame& brightest, const PhotoDisc& disc, const MirrorTest& test) {
  const double pixelsPerUnit = disc.radius / (test.Diameter / 2.0);
  const double inner = test.effectiveRadius(1) * pixelsPerUnit;
  const double outer = test.effectiveRadius(test.zones()) * pixelsPerUnit;
  std::vector<std::uint16_t> outside, annulus;
  for (int y = 0; y < brightest.height; ++y) {
    for (int x = 0; x < brightest.width; ++x) {
      const double r = std::hypot(x + 0.5 - disc.x, y + 0.5 - disc.y);
      if (r > 1.05 * disc.radius) outside.push_back(brightest.at(x, y));
      if (r >= inner && r <= outer) annulus.push_back(brightest.at(x, y));
    }
  }
  if (annulus.empty() || !(outer > inner)) return false;
  const double background = outside.empty() ? 0.0 : Percentile(outside, 0.5);
  const double threshold = background + kLitFractionOfTheWay * (Percentile(annulus, kLitPercentile) - background);
  const auto lit = std::count_if(annulus.begin(), annulus.end(), [&](std::uint16_t v) { return v > threshold; });
  return static_cast<double>(lit) < kMaskedBelowLitFraction * static_cast<double>(annulus.size());
}

}  // namespace zonalyst
