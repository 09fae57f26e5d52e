#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace zonalyst {

// Where the knife was at any time of a sweep, from the dial's values and their times.
//
// Position. Between two dial values the knife moved evenly: the position is their linear
// interpolation. Where two values lie more than kLongestGapS apart the dial was not heard
// from and the position is not known (a gap); before the first value and after the last
// neither.
// Direction. The knife's travel over kSmoothingS around a time (less at the ends of the
// track): in where it carried the reading up by more than kDeadBandMm, out where it carried it
// down by as much, still in between, so that a dial flickering by a count is not travel.
// Passes. The sweep turns where the knife comes back kTurnMm from its farthest point in one
// direction (a zigzag over the values: a count or two of jitter never turns it). Each pass
// runs from where the knife leaves the turnaround before it (within kDeadBandMm of it) to
// where it first comes within kDeadBandMm of the turnaround after it, so that a pause at a
// turnaround belongs to no pass.
//
// Cheap to build again: the live tester builds a track anew as dial values arrive.

// One value of the dial.
struct DialSample {
  double timeS = 0.0;     // seconds, on the clock the frames are stamped with
  double position = 0.0;  // the knife's reading on the test's scale, test units
};

// Which way the knife goes. In carries the reading up, as from the first zone's null to the
// last one's; Out carries it down.
enum class Travel { Out = -1, Still = 0, In = 1 };

// One pass of the knife in one direction.
struct KnifePass {
  Travel direction = Travel::Still;
  double startS = 0.0, endS = 0.0;  // seconds
  double from = 0.0, to = 0.0;      // the knife's positions at start and end, test units
  // Mean speed over the pass, test units per second.
  double speed() const { return endS > startS ? (to > from ? to - from : from - to) / (endS - startS) : 0.0; }
};

// A stretch of time between two dial values too far apart: the position inside it is not known.
struct TrackGap {
  double fromS = 0.0, toS = 0.0;  // seconds, the two values' times
};

class KnifeTrack {
 public:
  static constexpr double kLongestGapS = 1.0;
  static constexpr double kSmoothingS = 0.5;
  static constexpr double kDeadBandMm = 0.003;
  static constexpr double kTurnMm = 0.01;

  KnifeTrack() = default;
  // The dial's values in any order; of two at one time the later given counts. mmPerUnit
  // turns test units into millimetres (25.4 for a test in inches).
  KnifeTrack(std::vector<DialSample> samples, double mmPerUnit);

  // The knife's position at a time (seconds), test units; none outside the track or in a gap.
  std::optional<double> positionAt(double timeS) const;
  // The direction of travel at a time, smoothed; Still outside the track.
  Travel travelAt(double timeS) const;
  // The knife's speed at a time over the smoothing window, test units per second (0 outside
  // the track).
  double speedAt(double timeS) const;
  // The time (seconds) at which a pass is at a position, linearly between dial values; none
  // when the pass does not reach it.
  std::optional<double> timeAt(const KnifePass& pass, double position) const;

  const std::vector<DialSample>& samples() const { return samples_; }
  const std::vector<KnifePass>& passes() const { return passes_; }
  const std::vector<TrackGap>& gaps() const { return gaps_; }
  // The pass under way at a time (index into passes()); none while the knife pauses at a
  // turnaround, before the first pass and after the last.
  std::optional<std::size_t> passAt(double timeS) const;

 private:
  double interpolated(double timeS) const;  // clamped to the track's ends, across gaps
  void findGaps();
  void findPasses();

  std::vector<DialSample> samples_;
  std::vector<KnifePass> passes_;
  std::vector<TrackGap> gaps_;
  double deadBand_ = 0.0, turn_ = 0.0;  // test units
};

}  // namespace zonalyst
