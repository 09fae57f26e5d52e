#include "ContrastCrossing.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zonalyst {
namespace {

constexpr int kReach = 2;  // points either side of a crossing that belong to it
constexpr double kClearlyStrongest = 3.0;
constexpr int kBendReach = 3;            // points either side whose bend is measured
constexpr int kFitReach = 3;             // points either side a shallow crossing's line may reach
constexpr double kFitLimit = 0.8;        // |c| from which a point bends too far to join that line
constexpr double kSaturatedShare = 0.9;  // of the curve's largest |c| there: a point on a flat end
constexpr double kFlat = 0.995;          // a contrast this near +-1 is a flat end

struct Crossing {
  int first = 0;  // the point before the first sign change (index among the usable points)
  int last = 0;   // the point after the last one
  double strength = 0.0;
};

// The quadratic c = a + b t + q t^2 (t = x - centre) fitted by least squares, and the
// residuals' standard deviation; none with fewer than four points.
struct Quadratic {
  double centre = 0.0, a = 0.0, b = 0.0, q = 0.0, sigma = 0.0;
};
std::optional<Quadratic> FitQuadratic(const std::vector<double>& x, const std::vector<double>& c, double centre) {
  const int n = static_cast<int>(x.size());
  if (n < 4) return std::nullopt;
  double s[5] = {}, r[3] = {};
  for (int k = 0; k < n; ++k) {
    const double t = x[k] - centre;
    double power = 1.0;
    for (int p = 0; p < 5; ++p) {
      s[p] += power;
      if (p < 3) r[p] += power * c[k];
      power *= t;
    }
  }
  // Normal equations [s0 s1 s2; s1 s2 s3; s2 s3 s4] (a b q) = r by Cramer's rule.
  const auto det = [](double m00, double m01, double m02, double m10, double m11, double m12, double m20, double m21,
                      double m22) {
    return m00 * (m11 * m22 - m12 * m21) - m01 * (m10 * m22 - m12 * m20) + m02 * (m10 * m21 - m11 * m20);
  };
  const double d = det(s[0], s[1], s[2], s[1], s[2], s[3], s[2], s[3], s[4]);
  if (!(std::abs(d) > 0.0)) return std::nullopt;
  Quadratic fit;
  fit.centre = centre;
  fit.a = det(r[0], s[1], s[2], r[1], s[2], s[3], r[2], s[3], s[4]) / d;
  fit.b = det(s[0], r[0], s[2], s[1], r[1], s[3], s[2], r[2], s[4]) / d;
  fit.q = det(s[0], s[1], r[0], s[1], s[2], r[1], s[2], s[3], r[2]) / d;
  double squares = 0.0;
  for (int k = 0; k < n; ++k) {
    const double t = x[k] - centre, e = c[k] - (fit.a + fit.b * t + fit.q * t * t);
    squares += e * e;
  }
  fit.sigma = std::sqrt(squares / (n - 3));
  return fit;
}

// The contrast where a curve of its shape runs straight: artanh(c), c kept within +-kFlat.
double Straightened(double c) { return std::atanh(std::clamp(c, -kFlat, kFlat)); }

// The sums of a least-squares line through the points from..to (inclusive): the means of x and
// y and the sums of squared and crossed deviations from them.
struct LineSums {
  double meanX = 0.0, meanY = 0.0, sxx = 0.0, sxy = 0.0;
};
LineSums SumLine(const std::vector<double>& x, const std::vector<double>& y, std::size_t from, std::size_t to) {
  LineSums sums;
  const double count = static_cast<double>(to - from + 1);
  for (std::size_t k = from; k <= to; ++k) sums.meanX += x[k] / count, sums.meanY += y[k] / count;
  for (std::size_t k = from; k <= to; ++k) {
    sums.sxx += (x[k] - sums.meanX) * (x[k] - sums.meanX);
    sums.sxy += (x[k] - sums.meanX) * (y[k] - sums.meanY);
  }
  return sums;
}

// The null of a shallow, noisy crossing from more frames: the least-squares line on artanh(c)
// through m frames on either side of it (m = 1: the bracketing pair, the interpolation), the m
// whose expected error is least. A quadratic fitted to artanh(c) over the widest reach tells
// both parts: the bend a line takes in, q (mean t^2 - t0^2) / slope (t from the frames' mean
// position, t0 the null's), and the noise it averages out, the standard error of the line's zero
// from the quadratic's residuals. Frames reach out while they keep their side's sign and |c|
// stays below kFitLimit. None when the bracketing pair stands, or when fewer than two frames lie
// on either side.
struct WiderFit {
  double position = 0.0, noise = 0.0, bend = 0.0;
};
std::optional<WiderFit> FitWider(const std::vector<double>& x, const std::vector<double>& c, int first) {
  const int n = static_cast<int>(c.size());
  const bool before = c[first] < 0.0;
  int reach = 1;
  while (reach < kFitReach) {
    const int i = first - reach, j = first + 1 + reach;
    if (i < 0 || j >= n || (c[i] < 0.0) != before || (c[j] < 0.0) == before || std::abs(c[i]) >= kFitLimit ||
        std::abs(c[j]) >= kFitLimit) {
      break;
    }
    ++reach;
  }
  if (reach < 2) return std::nullopt;
  std::vector<double> all, y;
  for (int k = first - reach + 1; k <= first + reach; ++k) all.push_back(x[k]), y.push_back(Straightened(c[k]));
  const double middle = (x[first] + x[first + 1]) / 2.0;
  const std::optional<Quadratic> shape = FitQuadratic(all, y, middle);
  if (!shape) return std::nullopt;
  std::optional<WiderFit> best;
  double bestError = 0.0;
  int bestReach = 0;
  for (int m = 1; m <= reach; ++m) {
    const double count = 2.0 * m;
    const auto [meanX, meanY, sxx, sxy] =
        SumLine(all, y, static_cast<std::size_t>(reach - m), static_cast<std::size_t>(reach + m - 1));
    const double b = sxy / sxx;
    if (!(std::abs(b) > 0.0) || !std::isfinite(b)) return std::nullopt;
    const double t0 = -meanY / b;
    const WiderFit fit{meanX + t0, shape->sigma * std::sqrt(1.0 / count + t0 * t0 / sxx) / std::abs(b),
                       std::abs(shape->q) * std::abs(sxx / count - t0 * t0) / std::abs(b)};
    const double error = std::hypot(fit.noise, fit.bend);
    if (!best || error < bestError) best = fit, bestError = error, bestReach = m;
  }
  if (bestReach < 2) return std::nullopt;
  return best;
}

}  // namespace

CurveNull FindCurveNull(const ContrastCurve& curve) {
  std::vector<double> x, c, d;
  const std::size_t count = std::min(curve.positions.size(), curve.contrast.size());
  for (std::size_t k = 0; k < count; ++k) {
    if (!std::isfinite(curve.contrast[k]) || !std::isfinite(curve.positions[k])) continue;
    x.push_back(curve.positions[k]);
    c.push_back(curve.contrast[k]);
    d.push_back(k < curve.difference.size() ? curve.difference[k] : curve.contrast[k]);
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
  const auto largest = [&](const std::vector<double>& v, int from, int to) {
    double most = 0.0;
    for (int k = std::max(from, 0); k <= std::min(to, n - 1); ++k) most = std::max(most, std::abs(v[k]));
    return most;
  };
  const double swing = largest(c, 0, n - 1);
  if (crossings.empty()) return {swing < kLeastSwing ? NullStatus::WeakContrast : NullStatus::NoCrossing};
  for (Crossing& s : crossings) {
    s.strength = std::min(largest(d, s.first - 1, s.first), largest(d, s.last, s.last + 1));
  }
  std::sort(crossings.begin(), crossings.end(),
            [](const Crossing& a, const Crossing& b) { return a.strength > b.strength; });
  if (crossings.size() > 1 && !(crossings[0].strength >= kClearlyStrongest * crossings[1].strength)) {
    return {NullStatus::ManyCrossings};
  }
  const Crossing& s = crossings.front();
  if (swing < kLeastSwing) return {NullStatus::WeakContrast};

  CurveNull null{NullStatus::Read};
  const double step = x[s.last] - x[s.first];
  if (s.last == s.first + 1) {
    // The curve's shape, c = tanh(t) about the null, is straight in t = artanh(c).
    const double c0 = Straightened(c[s.first]), c1 = Straightened(c[s.last]);
    null.position = x[s.first] + step * c0 / (c0 - c1);
  } else {
    // A noisy crossing: the least-squares line through its points.
    const auto [meanX, meanC, sxx, sxc] =
        SumLine(x, c, static_cast<std::size_t>(s.first), static_cast<std::size_t>(s.last));
    null.position = std::clamp(meanX - meanC * sxx / sxc, x[s.first], x[s.last]);
    if (!std::isfinite(null.position)) null.position = (x[s.first] + x[s.last]) / 2.0;
  }

  // The points that tell the curve's bend and noise: within kBendReach of the crossing and off
  // its flat ends.
  const int from = std::max(0, s.first - kBendReach + 1), to = std::min(n - 1, s.last + kBendReach - 1);
  const double flat = kSaturatedShare * largest(c, from, to);
  std::vector<double> bx, bc;
  for (int k = from; k <= to; ++k) {
    if (std::abs(c[k]) < flat || (k >= s.first && k <= s.last)) bx.push_back(x[k]), bc.push_back(c[k]);
  }
  const std::optional<Quadratic> fit = FitQuadratic(bx, bc, null.position);
  // The slope across the crossing, and how the points' noise moves the null along it.
  const double slope = (c[s.last] - c[s.first]) / step;
  const double noise = fit ? fit->sigma : 0.0;
  null.scatter = std::hypot(noise * std::sqrt(2.0 / (s.last - s.first + 1)), kContrastBias) / std::abs(slope);
  // An interpolated null is off by the bend times the distances to the bracketing points.
  const double a = null.position - x[s.first], b = x[s.last] - null.position;
  const double bend = fit ? std::abs(fit->q) * a * b / std::abs(slope) : 0.0;
  null.spacing = std::max(kSpacingShare * step, std::min(bend, step / 2.0));
  if (s.last == s.first + 1) {
    if (const std::optional<WiderFit> wider = FitWider(x, c, s.first)) {
      null.position = wider->position;
      null.scatter = std::hypot(wider->noise, kContrastBias / std::abs(slope));
      null.spacing = std::max(kSpacingShare * step, std::min(wider->bend, step / 2.0));
    }
  }
  if (!std::isfinite(null.scatter)) null.scatter = step / 2.0;
  null.uncertainty = std::hypot(null.scatter, null.spacing);
  return null;
}

}  // namespace zonalyst
