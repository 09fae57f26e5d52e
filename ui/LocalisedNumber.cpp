#include "LocalisedNumber.h"

#include <QLocale>

namespace zonalyst::ui {

QString LocalisedNumber(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QLatin1Char('.'), QLocale().decimalPoint());
  return shown;
}

}  // namespace zonalyst::ui
