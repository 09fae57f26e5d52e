#include "LocalisedText.h"

#include <QLocale>

namespace zonalyst::analysis {

QString LocalisedNumbersIn(const std::string& text, QChar separator) {
  QString shown = QString::fromStdString(text);
  for (qsizetype i = 0; i + 1 < shown.size(); ++i) {
    if (shown[i] == QLatin1Char('.') && shown[i + 1].isDigit()) shown[i] = separator;
  }
  return shown;
}

QString LocalisedText(const std::string& text) {
  const QString separator = QLocale().decimalPoint();
  return LocalisedNumbersIn(text, separator.isEmpty() ? QLatin1Char('.') : separator.front());
}

QString ScreenText(const std::string& text) {
  return LocalisedText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

double ReadTypedNumber(const QString& text, QChar separator) {
  QString plain = text.trimmed();
  plain.replace(separator, QLatin1Char('.'));
  bool ok = false;
  const double value = plain.toDouble(&ok);
  return ok ? value : 0.0;
}

}  // namespace zonalyst::analysis
