#include "NullBends.h"

#include <cmath>

namespace zonalyst {

namespace {

// The moves settle within a micrometre after a few rounds: each round's surface moves by the
// bends' share of the readings only.
constexpr int kBendRounds = 4;
// A window's rectangle is averaged over this many points each way: its nulls kink at most once
// or twice inside it, where a polynomial rule would smear them.
constexpr int kAreaSteps = 12;

// The nulls of the surface reduced from readings at the radii (mm, rising): the carrier
// a + b r^2, plus the slope error over the radius, e(r) / r, e running linearly through
// (0, 0) and each zone's (h, (k - a - b h^2) h), constant beyond the last.
class ReducedNulls {
 public:
  ReducedNulls(const std::vector<double>& radii, const std::vector<double>& readings) {
    double n = 0.0, sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    for (std::size_t z = 0; z < radii.size(); ++z) {
      const double x = radii[z] * radii[z];
      n += 1.0, sx += x, sy += readings[z], sxx += x * x, sxy += x * readings[z];
    }
    b_ = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    a_ = (sy - b_ * sx) / n;
    radii_.push_back(0.0);
    errors_.push_back(0.0);
    for (std::size_t z = 0; z < radii.size(); ++z) {
      radii_.push_back(radii[z]);
      errors_.push_back((readings[z] - carrier(radii[z])) * radii[z]);
    }
  }

  double at(double r) const {
    if (!(r > 0.0)) return a_ + errors_[1] / radii_[1];
    if (r >= radii_.back()) return carrier(r) + errors_.back() / r;
    std::size_t j = 1;
    while (radii_[j] < r) ++j;
    const double e = errors_[j - 1] + (errors_[j] - errors_[j - 1]) * (r - radii_[j - 1]) / (radii_[j] - radii_[j - 1]);
    return carrier(r) + e / r;
  }

 private:
  double carrier(double r) const { return a_ + b_ * r * r; }

  double a_ = 0.0, b_ = 0.0;
  std::vector<double> radii_, errors_;
};

// The blur's normal spread by three points each way (Gauss-Hermite: exact up to the fifth power),
// so that near the mirror's edge the light its tail would bring from beyond is missed.
constexpr double kBlurNodes[3] = {-1.7320508075688772, 0.0, 1.7320508075688772};
constexpr double kBlurWeights[3] = {1.0 / 6.0, 2.0 / 3.0, 1.0 / 6.0};

// The null a window reads: the nulls where it gathers light on the mirror, weighted by |x|.
double WindowNull(const ReducedNulls& nulls, const GatheredArea& area, double semiDiameter) {
  double sum = 0.0, weights = 0.0;
  for (int i = 0; i < kAreaSteps; ++i) {
    for (int j = 0; j < kAreaSteps; ++j) {
      const double x = area.x + area.halfWidth * (2.0 * (i + 0.5) / kAreaSteps - 1.0);
      const double y = area.y + area.halfHeight * (2.0 * (j + 0.5) / kAreaSteps - 1.0);
      for (int a = 0; a < 3; ++a) {
        for (int b = 0; b < 3; ++b) {
          const double px = x + kBlurNodes[a] * area.blurMm, py = y + kBlurNodes[b] * area.blurMm;
          const double r = std::hypot(px, py);
          if (r > semiDiameter) continue;
          const double weight = kBlurWeights[a] * kBlurWeights[b] * std::abs(px);
          sum += weight * nulls.at(r);
          weights += weight;
        }
      }
    }
  }
  return weights > 0.0 ? sum / weights : nulls.at(std::hypot(area.x, area.y));
}

}  // namespace

std::vector<double> BendMoves(const std::vector<std::optional<double>>& readings, const std::vector<MeteredZone>& zones,
                              double semiDiameterMm) {
  std::vector<double> moves(readings.size(), 0.0);
  std::vector<std::size_t> read;
  for (std::size_t z = 0; z < readings.size(); ++z) {
    if (readings[z]) read.push_back(z);
  }
  if (read.size() < 3) return moves;
  for (int round = 0; round < kBendRounds; ++round) {
    std::vector<double> radii, moved;
    for (const std::size_t z : read) {
      radii.push_back(zones[z].radiusMm);
      moved.push_back(*readings[z] + moves[z]);
    }
    const ReducedNulls nulls(radii, moved);
    std::vector<double> next = moves;
    for (const std::size_t z : read) {
      const double averaged = (WindowNull(nulls, zones[z].gathered[0], semiDiameterMm) +
                               WindowNull(nulls, zones[z].gathered[1], semiDiameterMm)) /
                              2.0;
      next[z] = nulls.at(zones[z].radiusMm) - averaged;
    }
    moves = next;
  }
  return moves;
}

}  // namespace zonalyst
