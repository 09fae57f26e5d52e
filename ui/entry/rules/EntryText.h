#pragma once

#include "core/MirrorTest.h"

#include <QString>

#include <optional>
#include <string>

namespace zonalyst::entry {

// A number text of core/NumberText.h ("." separator) with the user's decimal separator.
QString ScreenNumber(const std::string& dotText, const QString& separator);

// The number a box holds, typed with the user's decimal separator; blanks around it
// are allowed. Empty or partial text ("-", "1,2,3") is not a number.
std::optional<double> ParseScreenNumber(const QString& text, const QString& separator);

QString EntryMethodWord(int innerOuterEntry);  // "Inner/Outer" or "Effective"
QString UnitsWord(int units);                  // "Millimeters" or "Inches"
QString SourceWord(int movingSource);          // "Fixed" or "Moving"

// What setup box `box` shows for the record (effective radii must be current).
QString SetupBoxText(const MirrorTest& test, int box, const QString& separator);

// What readings cell `cell` shows for the record.
QString ReadingsCellText(const MirrorTest& test, int cell, const QString& separator);

// The zone's effective radius and its ideal reading as the readings panel's labels show them.
QString EffectiveRadiusText(const MirrorTest& test, int zone, const QString& separator);
QString IdealReadingText(const MirrorTest& test, int zone, const QString& separator);

}  // namespace zonalyst::entry
