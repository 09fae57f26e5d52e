#include "SeriesFrames.h"

#include "photo/PhotoFile.h"

#include <QFileInfo>

namespace zonalyst::ui {

QStringList ChoosePhotos(Prompter& prompter, platform::SettingsStore& settings, const QString& title,
                         const QString& testFolder, bool several) {
  const QString last = QString::fromStdString(settings.read(platform::kSettingsSection, platform::kKeyPhotoFolder));
  const QString folder = !last.isEmpty() && QFileInfo(last).isDir() ? last : testFolder;
  const QStringList paths =
      prompter.openFiles({title, folder, QStringLiteral("Photos (*.png *.jpg *.jpeg *.tif *.tiff)"), several});
  if (!paths.isEmpty()) {
    settings.write(platform::kSettingsSection, platform::kKeyPhotoFolder,
                   QFileInfo(paths.front()).absolutePath().toStdString());
  }
  return paths;
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
