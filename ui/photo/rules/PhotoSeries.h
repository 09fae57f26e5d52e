#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zonalyst::photos {

// One photograph of a series and its knife position (test units, on the readings' scale):
// the last number of its file name until the user types another; none without one.
struct SeriesPhoto {
  QString path;
  std::optional<double> position;
};

std::vector<SeriesPhoto> SeriesOf(const QStringList& paths);
QStringList PathsOf(const std::vector<SeriesPhoto>& series);

// A position as the table shows it, with the user's decimal separator; empty for none.
QString PositionText(std::optional<double> position, QChar separator);
// A position the user typed with that separator; none for anything but a number.
std::optional<double> ReadPosition(const QString& text, QChar separator);

// Why the series cannot be read as it stands (fewer than two photos, a photo without a
// position, two at the same position), naming the files; empty when it can.
QString SeriesProblem(const std::vector<SeriesPhoto>& series);

}  // namespace zonalyst::photos
