#pragma once

#include "core/MirrorTest.h"
#include "core/PhotoReadings.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace zonalyst::livetester {

// The mean of frames of one size, the step's frame of stepped mode. Greys keep their
// precision: a mean of several 8-bit frames is written 256 times as large (still within
// 16 bits), which changes no contrast; a single frame is returned as it is.
GreyFrame MeanFrame(const std::vector<std::shared_ptr<const GreyFrame>>& frames);

// A camera's frame shows the knife where it stood a moment before the frame arrived (0.1 s
// for the simulated camera, up to about 0.2 s for a webcam), and the dial may show a value a
// moment before the knife stops: a step averages only frames that arrived at least this long
// after the dial's value came to rest.
inline constexpr double kFrameLagSeconds = 0.25;

// A frame as stepped mode keeps it: when it arrived (seconds on the live clock) and its grey.
struct TimedFrame {
  double time = 0.0;
  std::shared_ptr<const GreyFrame> frame;
};

// The step's frames: the newest `count` of the frames (oldest first), once every one of them
// arrived kFrameLagSeconds or more after restingSince, when the knife came to rest; none while
// fewer have (the step waits for them).
std::vector<std::shared_ptr<const GreyFrame>> FramesAtRest(const std::deque<TimedFrame>& frames, int count,
                                                           double restingSince);

// One step of stepped mode: the knife's position (test units) and the mean of the frames
// taken there.
struct Step {
  double position = 0.0;
  double time = 0.0;  // seconds on the live clock, when it was recorded
  std::shared_ptr<const GreyFrame> frame;
};

// The steps recorded so far, in the order taken; a step at a position already recorded
// takes its place, as a photo retaken.
class SteppedRun {
 public:
  // Adds the step; true when it replaced one at its position.
  bool record(Step step);
  void clear() { steps_.clear(); }
  const std::vector<Step>& steps() const { return steps_; }
  // Each zone's null by the photo readings' rule, from two steps on; none before.
  std::optional<PhotoReadingsResult> readings(const MirrorTest& test, const PhotoDisc& disc, bool masked) const;

 private:
  std::vector<Step> steps_;
};

// A dial's value settled: a value that the dial has shown for kSettleSeconds without change,
// other than the position of the step recorded last, records a step of its own (the hand has
// left the screw).
inline constexpr double kSettleSeconds = 1.0;
class DialSettling {
 public:
  // The position to record now that the dial shows position at time (seconds); none while it
  // moves or has not yet stood long enough, and once recorded none again until it moves.
  std::optional<double> feed(double time, double position);
  // A step recorded at position by other means (Space, the wedge's Return).
  void recorded(double position) { recorded_ = position; }

 private:
  std::optional<double> value_, recorded_;
  double since_ = 0.0;
};

}  // namespace zonalyst::livetester
