#include "PhotoSeries.h"

#include "core/NumberText.h"
#include "core/PhotoReadings.h"

#include <QFileInfo>

#include <cmath>
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

QString PositionText(std::optional<double> position, QChar separator) {
  if (!position) return {};
  return QString::fromStdString(FormatGeneral(*position)).replace(QLatin1Char('.'), separator);
}

std::optional<double> ReadPosition(const QString& text, QChar separator) {
  QString plain = text.trimmed();
  if (separator != QLatin1Char('.')) {
    if (plain.contains(QLatin1Char('.'))) return std::nullopt;
    plain.replace(separator, QLatin1Char('.'));
  }
  bool ok = false;
  const double value = plain.toDouble(&ok);  // QString::toDouble reads the C locale's form
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

QString SeriesProblem(const std::vector<SeriesPhoto>& series) {
  if (series.size() < 2) return QStringLiteral("Choose at least two photos, taken at different knife positions.");
  const auto name = [](const SeriesPhoto& photo) { return QFileInfo(photo.path).fileName(); };
  for (const SeriesPhoto& photo : series) {
    if (!photo.position) return QStringLiteral("Give the knife position of %1.").arg(name(photo));
  }
  for (std::size_t i = 0; i < series.size(); ++i) {
    for (std::size_t j = i + 1; j < series.size(); ++j) {
      if (*series[i].position == *series[j].position) {
        return QStringLiteral("%1 and %2 are at the same knife position.").arg(name(series[i]), name(series[j]));
      }
    }
  }
  return {};
}

}  // namespace zonalyst::photos
