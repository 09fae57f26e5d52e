#include "SweepTable.h"

#include "core/NumberText.h"

namespace zonalyst::panel {
namespace {

QString Number(double value, int decimals, QChar separator) {
  return QString::fromStdString(FormatFixed(value, decimals)).replace(QLatin1Char('.'), separator);
}

QString Maybe(const std::optional<double>& value, int decimals, QChar separator) {
  return value ? Number(*value, decimals, separator) : QString();
}

}  // namespace

SweepRow SweepHeaders(const MirrorTest& test) {
  const QString unit = test.inInches() ? QStringLiteral("inch") : QStringLiteral("mm");
  return {QStringLiteral("Zone"),
          QStringLiteral("Radius (mm)"),
          QStringLiteral("In (%1)").arg(unit),
          QStringLiteral("Out (%1)").arg(unit),
          QStringLiteral("Reading (%1)").arg(unit),
          QStringLiteral("In - Out (%1)").arg(unit),
          QStringLiteral("Uncertainty (%1)").arg(unit),
          QStringLiteral("Status"),
          QStringLiteral("Hand Reading (%1)").arg(unit)};
}

QString ReadingText(const MirrorTest& test, std::optional<double> value, QChar separator) {
  return Maybe(value, test.inInches() ? 4 : 3, separator);
}

std::vector<SweepRow> SweepRows(const MirrorTest& test, const SweepResult& result, QChar separator) {
  const int decimals = test.inInches() ? 4 : 3;
  std::vector<SweepRow> rows;
  for (const SweepZone& zone : result.zones) {
    SweepRow row;
    row[0] = QString::number(zone.zone);
    row[1] = Number(zone.radiusMm, 1, separator);
    row[2] = Maybe(zone.in, decimals, separator);
    row[3] = Maybe(zone.out, decimals, separator);
    row[4] = Maybe(zone.reading, decimals, separator);
    row[5] = Maybe(zone.inMinusOut, decimals, separator);
    if (zone.reading) row[6] = Number(zone.uncertainty, decimals, separator);
    row[7] = QString::fromStdString(StatusText(zone.status));
    row[8] = Number(test.KeAverage[static_cast<std::size_t>(zone.zone)], decimals, separator);
    rows.push_back(row);
  }
  return rows;
}

std::vector<QString> PassLines(const MirrorTest& test, const SweepResult& result, const std::vector<bool>& tooFast,
                               QChar separator) {
  const int decimals = test.inInches() ? 4 : 2;
  const QString unit = test.inInches() ? QStringLiteral("in") : QStringLiteral("mm");
  std::vector<QString> lines;
  for (std::size_t p = 0; p < result.passes.size(); ++p) {
    const SweepPass& pass = result.passes[p];
    QString line = QStringLiteral("Pass %1 %2: %3 to %4 %5 at %6 %5/s, %7 frames")
                       .arg(p + 1)
                       .arg(pass.pass.direction == Travel::In ? QStringLiteral("in") : QStringLiteral("out"))
                       .arg(Number(pass.pass.from, decimals, separator), Number(pass.pass.to, decimals, separator),
                            unit, Number(pass.pass.speed(), decimals + 1, separator))
                       .arg(pass.frames);
    if (p < tooFast.size() && tooFast[p]) line += QStringLiteral(", too fast for the dial");
    lines.push_back(line);
  }
  return lines;
}

}  // namespace zonalyst::panel
