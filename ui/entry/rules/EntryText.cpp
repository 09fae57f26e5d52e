#include "EntryText.h"

#include "core/ConicGeometry.h"
#include "core/NumberText.h"
#include "ui/panel/rules/EntryIndex.h"

#include <charconv>
#include <cmath>

namespace zonalyst::entry {

// The boxes and cells of the setup and readings panels, numbered by the kit.
using namespace panel;

QString ScreenNumber(const std::string& dotText, const QString& separator) {
  QString text = QString::fromStdString(dotText);
  text.replace(QLatin1Char('.'), separator);
  return text;
}

std::optional<double> ParseScreenNumber(const QString& text, const QString& separator) {
  QString plain = text.trimmed();
  if (plain.contains(QLatin1Char('.')) && separator != QLatin1String(".")) return std::nullopt;
  plain.replace(separator, QLatin1String("."));
  const std::string ascii = plain.toStdString();
  if (ascii.empty()) return std::nullopt;
  double value = 0.0;
  const char* first = ascii.data();
  const char* last = first + ascii.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc{} || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

QString EntryMethodWord(int innerOuterEntry) {
  return innerOuterEntry == 1 ? QStringLiteral("Inner/Outer") : QStringLiteral("Effective");
}

QString UnitsWord(int units) { return units == 0 ? QStringLiteral("Millimeters") : QStringLiteral("Inches"); }

QString SourceWord(int movingSource) { return movingSource == 1 ? QStringLiteral("Moving") : QStringLiteral("Fixed"); }

QString SetupBoxText(const MirrorTest& test, int box, const QString& separator) {
  switch (box) {
    case kZoneCountBox:
      return QString::number(test.ZoneCount);
    case kEntryMethodBox:
      return EntryMethodWord(test.InnerOuterEntry);
    case kUnitsBox:
      return UnitsWord(test.Units);
    case kSourceBox:
      return SourceWord(test.MovingSource);
    case kRocBox:
      return ScreenNumber(FormatGeneral(test.Roc), separator);
    case kDiameterBox:
      return ScreenNumber(FormatGeneral(test.Diameter), separator);
    case kConicBox:
      return ScreenNumber(FormatGeneral(test.DesiredConic), separator);
    default:
      break;
  }
  const int zone = ZoneOfBox(box);
  const int column = ColumnOfBox(box);
  if (column == 2) return ScreenNumber(FormatFixed(test.ZoneRadius[zone][2], 3), separator);
  if (test.InnerOuterEntry == 0) return ScreenNumber(FormatFixed(test.ZoneRadius[zone][0], 3), separator);
  return ScreenNumber(FormatGeneral(test.ZoneRadius[zone][column]), separator);
}

QString ReadingsCellText(const MirrorTest& test, int cell, const QString& separator) {
  switch (cell) {
    case kUnitsCell:
      return UnitsWord(test.Units);
    case kSourceCell:
      return SourceWord(test.MovingSource);
    case kRocCell:
      return ScreenNumber(FormatGeneral(test.Roc), separator);
    case kDiameterCell:
      return ScreenNumber(FormatGeneral(test.Diameter), separator);
    case kConicCell:
      return ScreenNumber(FormatGeneral(test.DesiredConic), separator);
    case kSetsCell:
      return QString::number(test.ReadingSets);
    default:
      break;
  }
  return ScreenNumber(FormatFixed(test.KeReading[ZoneOfCell(cell)][SetOfCell(cell)], 3), separator);
}

QString EffectiveRadiusText(const MirrorTest& test, int zone, const QString& separator) {
  return ScreenNumber(FormatFixed(test.ZoneRadius[zone][2], 3), separator);
}

QString IdealReadingText(const MirrorTest& test, int zone, const QString& separator) {
  return ScreenNumber(FormatFixed(IdealReading(test, zone), 3), separator);
}

}  // namespace zonalyst::entry
