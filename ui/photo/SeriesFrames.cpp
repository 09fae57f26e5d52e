#include "SeriesFrames.h"

#include "photo/PhotoFile.h"

namespace zonalyst::ui {

QStringList ChoosePhotos(Prompter& prompter, const QString& title, const QString& folder, bool several) {
  return prompter.openFiles({title, folder, QStringLiteral("Photos (*.png *.jpg *.jpeg *.tif *.tiff)"), several});
}

SeriesFrames LoadSeriesFrames(const QStringList& paths, const MirrorTest& test,
                              const std::function<bool(int read)>& progress) {
  std::vector<std::string> files;
  for (const QString& path : paths) files.push_back(path.toStdString());
  photo::SeriesLoad load = photo::ReadPhotoSeries(files, photo::kPhotoFrameWidth, progress);
  SeriesFrames series;
  series.error = load.error;
  series.cancelled = load.cancelled;
  if (!series.error.empty() || series.cancelled || load.frames.empty()) return series;
  series.frames = GreySeries(load.frames);
  series.brightest = BrightestOfAll(series.frames);
  series.disc = FindDisc(series.brightest);
  if (series.disc) series.masked = DetectMask(series.brightest, *series.disc, test);
  return series;
}

}  // namespace zonalyst::ui
