#pragma once

#include "core/KnifePositions.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zonalyst::photos {

// One photograph of a series and its knife position (test units, on the readings' scale):
// the one in its file name until the user types another; none without one.
struct SeriesPhoto {
  QString path;
  std::optional<double> position;
  PositionSource source = PositionSource::Name;
};

std::vector<SeriesPhoto> SeriesOf(const QStringList& paths);
QStringList PathsOf(const std::vector<SeriesPhoto>& series);

// Why the series cannot be read as it stands (fewer than two photos, a photo without a
// position or at one beyond the knife's reach, two at the same position), naming the files;
// empty when it can.
QString SeriesProblem(const std::vector<SeriesPhoto>& series);

// Warnings about the positions when all were taken from the names and look misread.
QStringList SeriesDoubts(const std::vector<SeriesPhoto>& series);

}  // namespace zonalyst::photos
