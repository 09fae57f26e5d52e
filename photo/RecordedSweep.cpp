#include "RecordedSweep.h"

#include "PhotoBytes.h"
#include "core/FrameList.h"
#include "io/FileAccess.h"
#include "io/PathText.h"

#include <algorithm>

namespace zonalyst::photo {
namespace {

// A sweep's lists hold a line per frame or dial value: an hour at 50 values a second fits.
constexpr std::size_t kMaxListBytes = 16 * 1024 * 1024;

RecordedSweep Failed(SweepFailure failure, std::string error) {
  RecordedSweep sweep;
  sweep.failure = failure;
  sweep.error = std::move(error);
  return sweep;
}

// The frame's file: as listed when absolute, else beside the list.
std::string FramePath(const std::string& listPath, const std::string& file) {
  const std::filesystem::path path = io::PathFromText(file);
  if (path.is_absolute()) return file;
  return (io::PathFromText(listPath).parent_path() / path).string();
}

}  // namespace

std::string RefusedLinesText(const DialLog& log, const std::string& path) {
  const RefusedDialLine& first = log.refused.front();
  return QuotedName(path) + ": " + std::to_string(log.refused.size()) + " of " + std::to_string(log.lines) +
         " lines give no dial value; the first, line " + std::to_string(first.line) + ": " + first.problem;
}

RecordedSweep ReadSweepLists(const MirrorTest& test, const SweepSource& source) {
  const io::FileText listText = io::ReadFileText(source.frameList, "a list of frames", kMaxListBytes);
  if (!listText.text) return Failed(SweepFailure::Unreadable, listText.failure);
  const FrameList list = ReadFrameList(*listText.text);
  if (list.badLine != 0) {
    return Failed(SweepFailure::Unreadable,
                  QuotedName(source.frameList) + ", line " + std::to_string(list.badLine) + ": " + list.problem);
  }
  if (list.frames.size() > kMostSweepFrames) {
    return Failed(SweepFailure::Unreadable, QuotedName(source.frameList) + " lists " +
                                                std::to_string(list.frames.size()) + " frames; a sweep takes at most " +
                                                std::to_string(kMostSweepFrames));
  }
  const io::FileText logText = io::ReadFileText(source.dialLog, "a dial log", kMaxListBytes);
  if (!logText.text) return Failed(SweepFailure::Unreadable, logText.failure);

  RecordedSweep sweep;
  sweep.dial = ReadDialLog(*logText.text, source.dialFormat, test.inInches(), source.dialOffset);
  if (sweep.dial.lines == 0)
    return Failed(SweepFailure::Unreadable, QuotedName(source.dialLog) + " holds no dial values");
  if (sweep.dial.refused.size() > kMostRefusedDialLines * sweep.dial.lines) {
    return Failed(SweepFailure::Unreadable, RefusedLinesText(sweep.dial, source.dialLog));
  }
  sweep.track = KnifeTrack(sweep.dial.samples, test.mmPerUnit());
  const std::vector<DialSample>& dial = sweep.track.samples();
  const auto inside = [&](const ListedFrame& f) {
    const double t = f.timeS - source.latencyS;
    return dial.size() > 1 && t >= dial.front().timeS && t <= dial.back().timeS;
  };
  if (std::count_if(list.frames.begin(), list.frames.end(), inside) < 2) {
    return Failed(SweepFailure::TooFewFrames,
                  "fewer than two frames of " + QuotedName(source.frameList) +
                      " were stamped within the dial's times; a sweep needs two or more while the dial reads");
  }
  for (const ListedFrame& frame : list.frames) {
    sweep.files.push_back(FramePath(source.frameList, frame.file));
    sweep.times.push_back(frame.timeS);
  }
  return sweep;
}

RecordedSweep ReadRecordedSweep(const MirrorTest& test, const SweepSource& source,
                                const SeriesProgressCallback& progress) {
  RecordedSweep sweep = ReadSweepLists(test, source);
  if (sweep.failure == SweepFailure::None) {
    sweep.frames = PrepareSeries(sweep.files, test, {source.disc, source.masked, {}}, progress);
  }
  return sweep;
}

MeasuredSweep MeasureSweep(const MirrorTest& test, const RecordedSweep& sweep) {
  const PreparedSeries& series = sweep.frames;
  // The windows on the disc that stands for the test's diameter (behind a mask, the openings').
  const DiscScale scale = series.discScale ? *series.discScale : GivenScale(*series.disc);
  return MeasureSweep(test, series.frames, sweep.times, series.brightest, scale, series.masked);
}

MeasuredSweep MeasureSweep(const MirrorTest& test, const std::vector<GreyFrame>& frames,
                           const std::vector<double>& times, const GreyFrame& brightest, const DiscScale& scale,
                           bool masked) {
  // Placed as the photos' windows are, the lens's blur seen on the edge taken out as there.
  const ZoneMeter meter(test, scale.disc, {brightest}, masked, scale.blurPx);
  MeasuredSweep measured{meter.zones(), {}};
  for (std::size_t k = 0; k < frames.size() && k < times.size(); ++k) {
    measured.frames.push_back({times[k], meter.measure(frames[k])});
  }
  return measured;
}

}  // namespace zonalyst::photo
