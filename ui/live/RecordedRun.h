#pragma once

#include "core/KnifeTrack.h"
#include "core/MirrorTest.h"
#include "live/Replay.h"
#include "ui/prompt/ChooseSweep.h"

#include <QString>

#include <vector>

namespace zonalyst::ui {

// A recorded run for the live tester to replay at its own pace: the list of frames and the
// dial log, read as the sweep command reads them,
// and each frame read on the meter's worker as the replay hands it over, as a photo series
// reads its photographs (reduced alike, turned grey by the rule the first frame chose).
struct RecordedRun {
  std::vector<live::RecordedFrameSource> frames;  // in the list's order
  std::vector<DialSample> dial;                   // in the log's order, test units
  double firstTime = 0.0;                         // the recording's earliest time, seconds
  QString error;                                  // why the run cannot be replayed; empty when it can
};

RecordedRun ReadRecordedRun(const MirrorTest& test, const SweepFiles& files);

}  // namespace zonalyst::ui
