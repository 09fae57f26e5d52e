#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace zonalyst::panel {

// A knife position as a table or a question shows it, with the user's decimal separator;
// empty for none.
QString PositionText(std::optional<double> position, QChar separator);
// A position the user typed with that separator; none for anything but a number within
// +-kMaxKnifePosition.
std::optional<double> ReadPosition(const QString& text, QChar separator);

}  // namespace zonalyst::panel
