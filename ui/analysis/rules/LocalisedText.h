#pragma once

#include <QString>

#include <string>

namespace zonalyst::analysis {

// A text of the core with the user's decimal separator in its numbers: only a "." that
// stands before a digit is a decimal point; sentence stops stay as they are.
QString LocalisedNumbersIn(const std::string& text, QChar separator);

// A text of the core with the user's decimal separator (message boxes keep its CR LF).
QString LocalisedText(const std::string& text);

// A text of the core as a label shows it: the user's decimal separator in its numbers and
// its CR LF line breaks as plain line feeds.
QString ScreenText(const std::string& text);

// A number the user typed with the separator given; text that is not a number reads as 0.
double ReadTypedNumber(const QString& text, QChar separator);

}  // namespace zonalyst::analysis
