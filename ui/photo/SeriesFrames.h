#pragma once

#include "core/MirrorTest.h"
#include "core/PhotoReadings.h"
#include "platform/Settings.h"
#include "ui/prompt/Prompter.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst::ui {

// Asks for photographs (PNG, JPEG or TIFF) in the prompter's file box: several, or one. The
// box starts in the folder photos were last chosen from (kept in the settings store), else in
// testFolder. Empty when the user cancelled.
QStringList ChoosePhotos(Prompter& prompter, platform::SettingsStore& settings, const QString& title,
                         const QString& testFolder, bool several);

// A series of photographs made ready for reading: their grey frames, reduced to at most
// photo::kPhotoFrameWidth pixels across, the brightest of all, the disc found there and
// whether a mask was seen; or why not.
struct SeriesFrames {
  std::vector<GreyFrame> frames;  // in the order of the paths
  GreyFrame brightest;
  std::optional<PhotoDisc> disc;  // frame pixels; none when no disc stands out
  bool masked = false;
  std::string error;  // names the file; empty when read
  bool cancelled = false;
};

// Reads the photographs (on every core) and prepares them for the test. progress as
// photo::ReadPhotoSeries: called with the number of files read, cancels when it returns false.
SeriesFrames LoadSeriesFrames(const QStringList& paths, const MirrorTest& test,
                              const std::function<bool(int read)>& progress = {});

}  // namespace zonalyst::ui
