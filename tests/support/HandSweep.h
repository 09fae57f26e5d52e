#pragma once

#include "core/KnifeTrack.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace zonalyst::testing {

// A hand sweeping the knife at the tester, with a camera and a dial recording it: from `from`
// to `to` and back as many passes as asked, the speed wandering about its mean, still for a
// while at each turnaround. The camera takes frames at irregular intervals and stamps each
// latencyS after it took it; the dial reports at its rate in whole steps, ahead of the knife
// by half the play in the direction of travel.
struct HandSweep {
  double from = 0.0, to = 1.0;  // knife positions, test units
  double speed = 0.05;          // mean speed, test units per second
  double backSpeed = 0.0;       // the mean speed of the passes back, when not the same
  double swing = 0.5;           // the speed varies by this fraction of the mean either way
  double swingPeriodS = 9.0;
  double pauseS = 1.0;  // still at each turnaround, and before and after the sweep
  int passes = 2;
  double latencyS = 0.1;
  double play = 0.0;        // test units
  double dialStep = 0.001;  // test units
  double dialHz = 10.0;
  double fpsLow = 5.0, fpsHigh = 15.0;
  unsigned seed = 1;
};

struct SweepRecording {
  std::vector<double> knife;   // where each frame shows the knife, test units
  std::vector<double> stampS;  // each frame's time stamp, seconds
  std::vector<DialSample> dial;
  std::vector<double> path;        // the knife every millisecond, test units
  std::vector<std::size_t> turns;  // where in the path each pass ends

  // The knife's speed where pass p (0, 1, ...) goes through a position, test units per second.
  double speedAt(std::size_t p, double position) const {
    std::size_t k = p == 0 ? 0 : turns[p - 1];
    while (k + 1 < turns[p] && (path[k] - position) * (path[k + 1] - position) > 0.0) ++k;
    const std::size_t from = k > 50 ? k - 50 : 0, to = std::min(k + 50, path.size() - 1);
    return std::abs(path[to] - path[from]) / ((to - from) * 0.001);
  }
};

inline SweepRecording RecordHandSweep(const HandSweep& hand) {
  // The knife's path on a millisecond grid, and the way it last went.
  constexpr double kStep = 0.001;  // the path's, seconds
  SweepRecording r;
  std::vector<double>& path = r.path;
  std::vector<double> heading;
  double x = hand.from, t = 0.0, going = hand.to > hand.from ? 1.0 : -1.0;
  const auto hold = [&](double seconds) {
    for (double end = t + seconds; t < end; t += kStep) path.push_back(x), heading.push_back(going);
  };
  hold(hand.pauseS);
  std::mt19937 random(hand.seed);
  const double phase = std::uniform_real_distribution<double>(0.0, 2.0 * std::numbers::pi)(random);
  for (int p = 0; p < hand.passes; ++p) {
    const double target = p % 2 == 0 ? hand.to : hand.from;
    going = target > x ? 1.0 : -1.0;
    while (going * (target - x) > 0.0) {
      const double mean = p % 2 == 1 && hand.backSpeed > 0.0 ? hand.backSpeed : hand.speed;
      const double v = mean * (1.0 + hand.swing * std::sin(2.0 * std::numbers::pi * t / hand.swingPeriodS + phase));
      x = going > 0.0 ? std::min(target, x + v * kStep) : std::max(target, x - v * kStep);
      path.push_back(x), heading.push_back(going);
      t += kStep;
    }
    r.turns.push_back(path.size());
    hold(hand.pauseS);
  }
  const auto at = [&](double time) {
    return std::min(static_cast<std::size_t>(std::max(0.0, std::round(time / kStep))), path.size() - 1);
  };
  for (double d = 0.0; d <= t; d += 1.0 / hand.dialHz) {
    const std::size_t k = at(d);
    r.dial.push_back({d, std::round((path[k] + heading[k] * hand.play / 2.0) / hand.dialStep) * hand.dialStep});
  }
  std::uniform_real_distribution<double> interval(1.0 / hand.fpsHigh, 1.0 / hand.fpsLow);
  for (double f = interval(random); f <= t; f += interval(random)) {
    r.knife.push_back(path[at(f)]);
    r.stampS.push_back(f + hand.latencyS);
  }
  return r;
}

}  // namespace zonalyst::testing
