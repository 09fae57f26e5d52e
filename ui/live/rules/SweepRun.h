#pragma once

#include "core/MirrorTest.h"
#include "core/SweepReadings.h"

#include <vector>

namespace zonalyst::livetester {

// Which frames of a sweep are kept: every stride-th, so that a minute of frames of that many
// pixels and bytes a sample, at that rate, stays under 50 MB (their PNG files are at most
// about as large as the samples); at least every frame up to that.
int FrameStride(int width, int height, int bytesPerSample, double framesPerSecond);

// A dial too slow for the hand: where two values of one pass lie more than 0.05 mm apart,
// the knife crossed a zone's transition between them.
inline constexpr double kFastestDialStepMm = 0.05;

// Sweep mode: the dial's values and the kept frames' balances since Start, solved as the
// sweep command solves a recording.
class SweepRun {
 public:
  void clear();
  void addDial(const DialSample& sample) { dial_.push_back(sample); }
  void addFrame(SweepFrame frame) { frames_.push_back(std::move(frame)); }
  const std::vector<DialSample>& dial() const { return dial_; }
  const std::vector<SweepFrame>& frames() const { return frames_; }

  // The readings of the zones the meter placed.
  SweepResult solve(const MirrorTest& test, const std::vector<MeteredZone>& zones) const;
  // For each pass of the result, whether the dial's values lie too far apart for its speed.
  std::vector<bool> tooFast(const MirrorTest& test, const SweepResult& result) const;

 private:
  std::vector<DialSample> dial_;
  std::vector<SweepFrame> frames_;
};

}  // namespace zonalyst::livetester
