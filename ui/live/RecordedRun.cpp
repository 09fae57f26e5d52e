#include "RecordedRun.h"

#include "photo/PhotoBytes.h"
#include "photo/PhotoFile.h"
#include "photo/RecordedSweep.h"
#include "ui/prompt/ChoosePhotos.h"

#include <algorithm>

namespace zonalyst::ui {

RecordedRun ReadRecordedRun(const MirrorTest& test, const SweepFiles& files) {
  RecordedRun run;
  photo::SweepSource source;
  const std::vector<std::string> paths = PhotoPaths({files.frameList, files.dialLog});
  source.frameList = paths[0];
  source.dialLog = paths[1];
  const photo::RecordedSweep lists = photo::ReadSweepLists(test, source);
  if (lists.failure != photo::SweepFailure::None) {
    run.error = QString::fromStdString(lists.error);
    return run;
  }
  const photo::PhotoLoad first = photo::ReadPhoto(lists.files.front(), photo::kPhotoFrameSide);
  if (!first.error.empty()) {
    run.error = QString::fromStdString(first.error);
    return run;
  }
  const GreySource grey = ChooseGreySource({first.frame});
  const GreyFrame firstGrey = GreyOf(first.frame, grey);
  // The depth of the first frame's samples tells the level of a clipped pixel.
  const std::uint16_t white =
      std::any_of(firstGrey.grey.begin(), firstGrey.grey.end(), [](std::uint16_t g) { return g > 255; }) ? 65535 : 255;
  const std::string firstName = photo::QuotedName(lists.files.front());
  for (std::size_t k = 0; k < lists.files.size(); ++k) {
    run.frames.push_back({lists.times[k], [path = lists.files[k], grey, white, firstName, width = first.frame.width,
                                           height = first.frame.height] {
                            live::DevelopedFrame developed;
                            const photo::PhotoLoad load = photo::ReadPhoto(path, photo::kPhotoFrameSide);
                            if (!load.error.empty()) {
                              developed.error = load.error;
                            } else if (load.frame.width != width || load.frame.height != height) {
                              developed.error = photo::QuotedName(path) + " differs in size from " + firstName +
                                                ": the frames of a recording must all be the same size";
                            } else {
                              developed.grey = GreyOf(load.frame, grey);
                              developed.white = white;
                            }
                            return developed;
                          }});
  }
  run.dial = lists.dial.samples;
  run.firstTime = std::min(lists.times.front(), run.dial.front().timeS);
  return run;
}

}  // namespace zonalyst::ui
