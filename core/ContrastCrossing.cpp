#include "ContrastCrossing.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

// The crossing. Where c changes sign between two neighbouring frames the curve crosses
// zero; crossings within two frames of each other are one crossing seen through noise, and
// a pair that leaves the sign as it was only touches zero. A clean crossing separates the
// frames where one side is brighter from those where the other is: its strength is the
// smaller of the largest |L - R| in the two frames before it and in the two after it. Of
// several crossings the strongest stands when it is at least three times as strong as the
// next; else the zone has no reading.
//
// The null. A straight line is fitted by least squares to c against the knife position over
// the frames within two of the crossing, as long as the curve still runs straight there: an
// outer frame counts when its step from the frame inside it, and the step to the frame beyond
// it, both go the same way as across the crossing and are at least half as large. A frame on
// or next to a saturated stretch (one side black, or at the light's full brightness) then
// does not bend the line. The null is where the line crosses zero; its
// uncertainty the standard error of that point, from the scatter of the frames about the
// line, in knife travel. With the two bracketing frames alone the null is their linear
// interpolation, whose scatter cannot be measured (uncertainty 0).

namespace {

constexpr int kReach = 2;  // frames either side of a crossing that belong to it
constexpr double kClearlyStrongest = 3.0;
constexpr double kStraightStep = 0.5;  // an outer frame's step, of the step across the crossing

struct Crossing {
  int first = 0;  // the frame before the first sign change (index among the usable frames)
  int last = 0;   // the frame after the last one
  double strength = 0.0;
};

double Interpolate(double x0, double c0, double x1, double c1) { return x0 + (x1 - x0) * c0 / (c0 - c1); }

}  // namespace

CurveNull FindCurveNull(const std::vector<double>& positions, const std::vector<double>& contrast,
                        const std::vector<double>& difference) {
  std::vector<double> x, c, d;
  for (std::size_t k = 0; k < contrast.size() && k < positions.size() && k < difference.size(); ++k) {
    if (!std::isfinite(contrast[k])) continue;
    x.push_back(positions[k]);
    c.push_back(contrast[k]);
    d.push_back(difference[k]);
  }
  const int n = static_cast<int>(c.size());
  const auto negative = [&c](int k) { return c[k] < 0.0; };
  std::vector<Crossing> crossings;
  for (int k = 0; k + 1 < n; ++k) {
    if (negative(k) == negative(k + 1)) continue;
    if (!crossings.empty() && k - (crossings.back().last - 1) <= kReach) {
      crossings.back().last = k + 1;
    } else {
      crossings.push_back({k, k + 1, 0.0});
    }
  }
  std::erase_if(crossings, [&](const Crossing& s) { return negative(s.first) == negative(s.last); });
  const auto largestDifference = [&](int from, int to) {
    double largest = 0.0;
    for (int k = std::max(from, 0); k <= std::min(to, n - 1); ++k) largest = std::max(largest, std::abs(d[k]));
    return largest;
  };
  for (Crossing& s : crossings) {
    s.strength = std::min(largestDifference(s.first - 1, s.first), largestDifference(s.last, s.last + 1));
  }
  if (crossings.empty()) return {};
  std::sort(crossings.begin(), crossings.end(),
            [](const Crossing& a, const Crossing& b) { return a.strength > b.strength; });
  if (crossings.size() > 1 && !(crossings[0].strength >= kClearlyStrongest * crossings[1].strength)) {
    return {NullStatus::ManyCrossings};
  }
  const Crossing& s = crossings.front();
  const double across = c[s.last] - c[s.first];
  const double step = across / (s.last - s.first);
  int from = s.first, to = s.last;
  // Whether the curve runs straight from frame a to its neighbour b = a +- 1.
  const auto straight = [&](int a, int b) {
    return b < 0 || b >= n || (c[std::max(a, b)] - c[std::min(a, b)]) / step >= kStraightStep;
  };
  while (from > s.first + 1 - kReach && from > 0 && straight(from, from - 1) && straight(from - 1, from - 2)) --from;
  while (to < s.last - 1 + kReach && to + 1 < n && straight(to, to + 1) && straight(to + 1, to + 2)) ++to;
  const double bracketed = Interpolate(x[s.first], c[s.first], x[s.last], c[s.last]);
  const int count = to - from + 1;
  if (count < 3) return {NullStatus::Read, bracketed, 0.0};
  double meanX = 0.0, meanC = 0.0;
  for (int k = from; k <= to; ++k) meanX += x[k], meanC += c[k];
  meanX /= count, meanC /= count;
  double sxx = 0.0, sxc = 0.0;
  for (int k = from; k <= to; ++k) sxx += (x[k] - meanX) * (x[k] - meanX), sxc += (x[k] - meanX) * (c[k] - meanC);
  const double slope = sxc / sxx;
  double scatter = 0.0;
  for (int k = from; k <= to; ++k) {
    const double residual = c[k] - meanC - slope * (x[k] - meanX);
    scatter += residual * residual;
  }
  const double sigma = std::sqrt(scatter / (count - 2));
  const double null = meanX - meanC / slope;
  const double error = sigma / std::abs(slope) * std::sqrt(1.0 / count + (null - meanX) * (null - meanX) / sxx);
  // A line that crosses outside the bracketing frames says the curve is not straight there:
  // the bracketing frames' own crossing stands.
  const bool inside = null >= std::min(x[s.first], x[s.last]) && null <= std::max(x[s.first], x[s.last]);
  return {NullStatus::Read, inside && std::isfinite(null) ? null : bracketed, std::isfinite(error) ? error : 0.0};
}

}  // namespace zonalyst
