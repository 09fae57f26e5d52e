#pragma once

#include "PreparedSeries.h"
#include "core/DialLog.h"
#include "core/SweepReadings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst::photo {

// A sweep recorded at the tester: a list of frames with their times (FrameList) and a dial
// log on the same clock (DialLog), read for the command line and the window alike.

// What to read, and how.
struct SweepSource {
  std::string frameList;  // "file,time_s" lines; a relative file is found beside the list
  std::string dialLog;    // "time_s,value" lines
  DialFormat dialFormat = DialFormat::Auto;
  double dialOffset = 0.0;        // test units, added to every dial value
  double latencyS = 0.0;          // the frames' stamps lag what they show by this, seconds
  std::optional<PhotoDisc> disc;  // in the files' pixels; else found
  bool masked = false;            // a Couder mask stands in front; else detected
};

// Why a sweep's lists could not be read.
enum class SweepFailure {
  None,
  Unreadable,    // the list of frames or the log does not load, the list holds more than
                 // kMostSweepFrames frames, or the log refuses more than 10 % of its lines
  TooFewFrames,  // fewer than two frames stamped within the dial's times
};

struct RecordedSweep {
  SweepFailure failure = SweepFailure::None;
  std::string error;  // one line, naming the file (and line) at fault
  DialLog dial;       // its refused lines, when fewer than 10 %, are for a warning
  KnifeTrack track;
  std::vector<std::string> files;  // the frames as found, in the list's order
  std::vector<double> times;       // their time stamps, seconds
  PreparedSeries frames;           // the frames prepared as a photo series is, in the list's order

  // The lists read and the frames prepared, with a disc to read them on.
  bool ready() const { return failure == SweepFailure::None && frames.ready() && frames.disc; }
};

// The most frames a sweep may list: over five minutes at 10 frames a second, and the frames of
// one sweep are all held at once.
inline constexpr std::size_t kMostSweepFrames = 3000;

// The share of a dial log's lines that may give no value before the log is refused.
inline constexpr double kMostRefusedDialLines = 0.10;

// "\"DIAL.log\": N of M lines give no dial value; the first, line L: why", of a log with refused
// lines: the error of a log refused, the warning of one read.
std::string RefusedLinesText(const DialLog& log, const std::string& path);

// Reads the list of frames and the dial log: the sweep with its files, times, dial and track,
// its frames not yet read (a replay reads them one by one).
RecordedSweep ReadSweepLists(const MirrorTest& test, const SweepSource& source);

// Reads the list of frames and the dial log, then (when both are sound) prepares the frames
// as every photo series is prepared (PrepareSeries, with its progress and cancel). The
// knife positions are in the test's units.
RecordedSweep ReadRecordedSweep(const MirrorTest& test, const SweepSource& source,
                                const SeriesProgressCallback& progress = {});

// The frames of a ready sweep measured through the zones' windows, for SolveSweep: on the
// disc and mask found or given, or on those the user settled on.
struct MeasuredSweep {
  std::vector<MeteredZone> zones;
  std::vector<SweepFrame> frames;
};
MeasuredSweep MeasureSweep(const MirrorTest& test, const RecordedSweep& sweep);
MeasuredSweep MeasureSweep(const MirrorTest& test, const std::vector<GreyFrame>& frames,
                           const std::vector<double>& times, const GreyFrame& brightest, const DiscScale& scale,
                           bool masked);

}  // namespace zonalyst::photo
