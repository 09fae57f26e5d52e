#include "ZoneTable.h"

#include "core/NumberText.h"
#include "core/ReadingsValidation.h"

namespace zonalyst::panel {
namespace {

QString Number(double value, int decimals, QChar separator) {
  return QString::fromStdString(FormatFixed(value, decimals)).replace(QLatin1Char('.'), separator);
}

}  // namespace

std::array<QString, kZoneColumns> ZoneHeaders(const MirrorTest& test) {
  const QString unit = test.inInches() ? QStringLiteral("inch") : QStringLiteral("mm");
  return {QStringLiteral("Zone"),
          QStringLiteral("Radius (mm)"),
          QStringLiteral("Photo Reading (%1)").arg(unit),
          QStringLiteral("Uncertainty (%1)").arg(unit),
          QStringLiteral("Status"),
          QStringLiteral("Hand Reading (%1)").arg(unit),
          QStringLiteral("Difference (%1)").arg(unit)};
}

std::vector<ZoneRow> ZoneRows(const MirrorTest& test, const PhotoReadingsResult& result, QChar separator) {
  const int decimals = FilledReadingDecimals(test);
  // The averages of the test as it stands, whatever was last averaged into it.
  MirrorTest averaged = test;
  AverageReadings(averaged);
  const bool handReadings = AnyReading(test);
  std::vector<ZoneRow> rows;
  for (const ZoneNull& zone : result.zones) {
    ZoneRow row;
    row[0] = QString::number(zone.zone);
    row[1] = Number(zone.radiusMm, 1, separator);
    if (zone.reading) {
      row[2] = Number(*zone.reading, decimals, separator);
      row[3] = Number(zone.uncertainty, decimals, separator);
    }
    row[4] = QString::fromStdString(StatusText(zone.status));
    if (handReadings) {
      const double hand = averaged.KeAverage[static_cast<std::size_t>(zone.zone)];
      row[5] = Number(hand, decimals, separator);
      if (zone.reading) row[6] = Number(*zone.reading - hand, decimals, separator);
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace zonalyst::panel
