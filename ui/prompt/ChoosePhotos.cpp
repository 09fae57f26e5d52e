#include "ChoosePhotos.h"

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

std::vector<std::string> PhotoPaths(const QStringList& paths) {
  std::vector<std::string> files;
  for (const QString& path : paths) files.push_back(path.toStdString());
  return files;
}

}  // namespace zonalyst::ui
