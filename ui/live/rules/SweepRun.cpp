#include "SweepRun.h"

#include <algorithm>
#include <cmath>

namespace zonalyst::livetester {

int FrameStride(int width, int height, int bytesPerSample, double framesPerSecond) {
  constexpr double kMinuteBytes = 50e6;
  const double minute = 60.0 * std::max(framesPerSecond, 1.0) * width * height * bytesPerSample * 1.02;
  return std::max(1, static_cast<int>(std::ceil(minute / kMinuteBytes)));
}

void SweepRun::clear() {
  dial_.clear();
  frames_.clear();
}

SweepResult SweepRun::solve(const MirrorTest& test, const std::vector<MeteredZone>& zones) const {
  const KnifeTrack track(dial_, test.mmPerUnit());
  return SolveSweep(test, zones, track, frames_, SweepSettings{});
}

std::vector<bool> SweepRun::tooFast(const MirrorTest& test, const SweepResult& result) const {
  const double widest = kFastestDialStepMm / test.mmPerUnit();
  std::vector<bool> fast;
  for (const SweepPass& pass : result.passes) {
    bool tooFar = false;
    for (std::size_t k = 1; k < dial_.size(); ++k) {
      const bool inside = dial_[k - 1].timeS >= pass.pass.startS && dial_[k].timeS <= pass.pass.endS;
      tooFar = tooFar || (inside && std::abs(dial_[k].position - dial_[k - 1].position) > widest);
    }
    fast.push_back(tooFar);
  }
  return fast;
}

}  // namespace zonalyst::livetester
