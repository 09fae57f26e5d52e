#include "NullBends.h"

#include <cmath>
#include <numbers>

namespace zonalyst {

namespace {

// The moves settle within a micrometre after a few rounds: each round's slopes move by the
// bends' share of the readings only.
constexpr int kBendRounds = 4;

}  // namespace

std::vector<double> BendMoves(const std::vector<std::optional<double>>& readings,
                              const std::vector<MeteredZone>& zones) {
  std::vector<double> moves(readings.size(), 0.0);
  std::vector<std::size_t> read;
  for (std::size_t z = 0; z < readings.size(); ++z) {
    if (readings[z]) read.push_back(z);
  }
  if (read.size() < 3) return moves;
  const auto square = [&](std::size_t z) { return zones[z].radiusMm * zones[z].radiusMm; };
  const auto moved = [&](std::size_t z) { return *readings[z] + moves[z]; };
  for (int round = 0; round < kBendRounds; ++round) {
    std::vector<double> next = moves;
    for (std::size_t k = 1; k + 1 < read.size(); ++k) {
      const std::size_t i = read[k - 1], z = read[k], j = read[k + 1];
      const double inner = (moved(z) - moved(i)) / (square(z) - square(i));
      const double outer = (moved(j) - moved(z)) / (square(j) - square(z));
      next[z] = -(outer - inner) * zones[z].squareSpreadMm2 / std::sqrt(2.0 * std::numbers::pi);
    }
    moves = next;
  }
  return moves;
}

}  // namespace zonalyst
