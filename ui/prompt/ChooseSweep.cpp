#include "ChooseSweep.h"

#include <QFileInfo>

namespace zonalyst::ui {

std::optional<SweepFiles> ChooseSweep(Prompter& prompter, platform::SettingsStore& settings, const QString& testFolder,
                                      const QString& purpose) {
  const QString last = QString::fromStdString(settings.read(platform::kSettingsSection, platform::kKeyPhotoFolder));
  const QString folder = !last.isEmpty() && QFileInfo(last).isDir() ? last : testFolder;
  const QStringList frames = prompter.openFiles(
      {purpose + QStringLiteral(": the List of Frames"), folder, QStringLiteral("Lists of frames (*.csv)"), false});
  if (frames.isEmpty()) return std::nullopt;
  const QString sweepFolder = QFileInfo(frames.front()).absolutePath();
  settings.write(platform::kSettingsSection, platform::kKeyPhotoFolder, sweepFolder.toStdString());
  const QStringList dial = prompter.openFiles({purpose + QStringLiteral(": the Dial Log"), sweepFolder,
                                               QStringLiteral("Dial logs (*.log *.txt *.csv)"), false});
  if (dial.isEmpty()) return std::nullopt;
  return SweepFiles{frames.front(), dial.front()};
}

}  // namespace zonalyst::ui
