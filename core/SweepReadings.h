#pragma once

#include "ContrastCrossing.h"
#include "KnifeTrack.h"
#include "ZoneMeter.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace zonalyst {

// Every zone's reading from one sweep of the knife: frames stamped with times as a camera
// recorded them while the knife moved, and the knife's track from a dial logged beside it.
//
// Pairing. A frame stamped t shows the knife where the track puts it at t - latency (the
// camera's delay when it is known, else 0). Frames outside the track, in its gaps, or while
// the knife pauses at a turnaround are not used.
// Curves. In each pass, each zone's points (knife position, c) are averaged in bins of
// kSweepBinMm of knife travel: enough frames in each that the curve's steps from bin to bin
// stand clear of the frames' noise, few enough that it stays straight over the bins its
// reading rests on. Each pass's binned curve is then read as a photo series is
// (FindCurveNull: one clear crossing, the null where the curve crosses zero, its statuses).
// Turnarounds. A pass whose null lies within three bins of a turnaround turned inside the
// zone's crossing: the reading rests on the bins either side of it, and the frames near a
// turn are paired with a knife that was turning while they were late. That pass is not used.
// Combination. A pass reads late by the camera's latency delta times its speed v and by half
// the play between dial and knife, with the sign of its direction. Each direction's reading is
// the mean of its passes; in - out = (v_in + v_out) delta + play is the rig's hysteresis (its
// median over the zones is reported). The mean of in and out cancels the play and leaves
// (v_in - v_out) delta / 2 of the latency. Over four or more zones crossed at different
// speeds, a straight line through (v_in + v_out, in - out) tells delta (its slope) from the
// play, and that leftover is taken off; where the speeds are too alike to tell them apart
// (delta's standard error above 0.05 s) it stays, and its bound goes into the uncertainty.
// With --direction in or out, the reading is that direction's alone.
// Uncertainty. The passes' line fits; the spread between passes of one direction; the scatter
// of the zones' in - out about the line (how far a zone's passes err, beyond the rig's
// hysteresis that all share); the latency's leftover, (v_in - v_out) / 2 times delta's
// standard error (or, unknown, the hysteresis per unit of speed). A reading from one direction
// alone also carries half the hysteresis, which it is not freed of.

// One frame of the sweep.
struct SweepFrame {
  double timeS = 0.0;              // its time stamp, seconds on the dial's clock
  std::vector<ZoneBalance> zones;  // each zone's balance, in the order of the meter's zones
};

enum class SweepDirection { Both, In, Out };

struct SweepSettings {
  double latencyS = 0.0;  // how much later than what they show the frames were stamped, seconds
  SweepDirection direction = SweepDirection::Both;
};

// A pass of the knife and the frames paired into it.
struct SweepPass {
  KnifePass pass;
  int frames = 0;
};

// One pass's curve of a zone.
struct PassCurve {
  std::size_t pass = 0;           // index into the result's passes
  std::vector<double> positions;  // the bins' mean knife positions, ascending, test units
  std::vector<double> contrast;   // the bins' mean contrasts
  CurveNull null;                 // Read, NoCrossing or ManyCrossings; position in test units
  bool turnaround = false;        // read, but turned inside the zone's crossing: not used
  double speed = 0.0;             // the knife's speed at the null, test units per second
  bool used() const { return null.status == NullStatus::Read && !turnaround; }
};

struct SweepZone {
  int zone = 0;           // 1..ZoneCount
  double radiusMm = 0.0;  // effective radius
  // Read; OneDirectionOnly when both directions were asked for and only one crossed;
  // TurnaroundInCrossing when every pass that crossed turned inside the crossing; else the
  // passes' status (NoCrossing, ManyCrossings) or the meter's (NearCentre, OutsideDisc).
  NullStatus status = NullStatus::NoCrossing;
  std::optional<double> reading;  // test units
  double uncertainty = 0.0;       // of the reading, test units (0 without one)
  // The means of the used passes of each direction and their difference, test units.
  std::optional<double> in, out, inMinusOut;
  std::vector<PassCurve> curves;  // one per pass
};

struct SweepResult {
  // Each frame's knife position as paired (test units), in the frames' order; none for a
  // frame not used.
  std::vector<std::optional<double>> positions;
  std::vector<SweepPass> passes;
  std::vector<SweepZone> zones;
  std::optional<double> hysteresis;  // median of the zones' in - out, test units
  std::vector<TrackGap> gaps;        // the track's
  int framesUsed = 0;
  int framesOutside = 0;  // stamped before the first dial value or after the last
  int framesInGaps = 0;   // stamped in a gap of the track
  int framesStill = 0;    // while the knife paused at a turnaround, or before its first pass or after its last
};

inline constexpr double kSweepBinMm = 0.02;

// The readings of the zones the meter placed (its zones() for the test), from the frames
// (any order) and the track.
SweepResult SolveSweep(const MirrorTest& test, const std::vector<MeteredZone>& zones, const KnifeTrack& track,
                       const std::vector<SweepFrame>& frames, const SweepSettings& settings);

// Each zone's reading, uncertainty and status as photo readings give them, for the fill rule;
// with the zones as metered, their windows too, for a view of the disc.
PhotoReadingsResult AsPhotoReadings(const SweepResult& result, const std::vector<MeteredZone>& metered = {});

}  // namespace zonalyst
