#include "PhotoSeries.h"

#include "core/NumberText.h"
#include "core/PhotoReadings.h"

#include <QFileInfo>

#include <string>

namespace zonalyst::photos {

std::vector<SeriesPhoto> SeriesOf(const QStringList& paths) {
  std::vector<SeriesPhoto> series;
  for (const QString& path : paths) {
    series.push_back({path, KnifePositionInName(QFileInfo(path).fileName().toStdString())});
  }
  return series;
}

QStringList PathsOf(const std::vector<SeriesPhoto>& series) {
  QStringList paths;
  for (const SeriesPhoto& photo : series) paths << photo.path;
  return paths;
}

QString SeriesProblem(const std::vector<SeriesPhoto>& series) {
  const auto name = [&](std::size_t i) { return QFileInfo(series[i].path).fileName(); };
  std::vector<double> positions;
  for (std::size_t i = 0; i < series.size(); ++i) {
    if (!series[i].position && series.size() >= 2) return QStringLiteral("Give the knife position of %1.").arg(name(i));
    positions.push_back(series[i].position.value_or(0.0));
  }
  const std::optional<PositionsProblem> problem = CheckKnifePositions(positions);
  if (!problem) return {};
  switch (problem->fault) {
    case PositionsFault::TooFew:
      return QStringLiteral("Choose at least two photos, taken at different knife positions.");
    case PositionsFault::OutOfRange:
      return QStringLiteral("The knife position of %1 is beyond the knife's reach (%2 to %3): type it.")
          .arg(name(problem->photo), QString::fromStdString(FormatGeneral(-kMaxKnifePosition)),
               QString::fromStdString(FormatGeneral(kMaxKnifePosition)));
    case PositionsFault::Same:
      return QStringLiteral("%1 and %2 are at the same knife position.")
          .arg(name(problem->other), name(problem->photo));
  }
  return {};
}

QStringList SeriesDoubts(const std::vector<SeriesPhoto>& series) {
  std::vector<double> positions;
  for (const SeriesPhoto& photo : series) {
    if (!photo.position || photo.source != PositionSource::Name) return {};
    positions.push_back(*photo.position);
  }
  QStringList doubts;
  for (const std::string& doubt : DoubtfulPositions(positions)) {
    QString sentence = QString::fromStdString(doubt);
    sentence[0] = sentence[0].toUpper();
    doubts << sentence + QLatin1Char('.');
  }
  return doubts;
}

}  // namespace zonalyst::photos
