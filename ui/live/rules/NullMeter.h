#pragma once

#include "core/ZoneMeter.h"

#include <deque>
#include <vector>

namespace zonalyst::livetester {

// One zone on the null meter: its contrast c = (L - R) / (L + R) averaged over the frames
// chosen (not a number while none had it), and the null mark.
struct MeterBar {
  double contrast = 0.0;
  bool null = false;  // |c| stayed under the threshold in every one of the averaged frames
};

// The null meter's bars: each zone's contrast averaged over the last `frames` frames (1..60).
class NullMeter {
 public:
  static constexpr int kMostFrames = 60;

  void setFrames(int frames);
  int frames() const { return frames_; }
  // A metered frame's balances, zones in order; a frame of another zone count starts afresh.
  void add(const std::vector<ZoneBalance>& zones);
  void clear() { recent_.clear(); }
  // The bars; a zone is null only when the meter holds as many frames as chosen.
  std::vector<MeterBar> bars(double threshold) const;

 private:
  int frames_ = 5;
  std::deque<std::vector<ZoneBalance>> recent_;  // newest last
};

}  // namespace zonalyst::livetester
