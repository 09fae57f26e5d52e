#include "KnifePositionText.h"

#include "core/KnifePositions.h"
#include "core/NumberText.h"

#include <cmath>

namespace zonalyst::panel {

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
  if (!ok || !(std::abs(value) <= kMaxKnifePosition)) return std::nullopt;
  return value;
}

}  // namespace zonalyst::panel
