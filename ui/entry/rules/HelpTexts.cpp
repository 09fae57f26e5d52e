#include "HelpTexts.h"

#include "ui/panel/rules/EntryIndex.h"

namespace zonalyst::entry {

// The boxes and cells of the setup and readings panels, numbered by the kit.
using namespace panel;

namespace {

const QString kUnitsHelp = QStringLiteral(
    "Select measurement units for mask AND knfe edge readings (must be the same!)\nToggle with Spacebar, I, or M");
const QString kSourceHelp = QStringLiteral(
    "Select if your light source if fixed, or moving (Slitless is a moving source!)\nToggle with Spacebar, F, or M");
const QString kRocHelp = QStringLiteral(
    "Enter the ROC (radius of curvature) for this mirror\n"
    "(Hint, while zone 1 nulled, measure from knife edge to mirror face)");
const QString kDiameterHelp =
    QStringLiteral("Enter the optical diameter of your mirror (Hint, physical diameter minus bevel)");
const QString kConicHelp = QStringLiteral(
    "Enter the desired deformation constant\n"
    "(Hint > 0 = Oblate, 0 = spherical, < 0 and > -1 = ellipse,  -1 = parabolic mirror, < -1 = hyperbolic)");

// In an entry box X and Z are letters: the help names the keys that step between tests.
QString WithSteppingKeys(const QString& help) {
  return help + QStringLiteral("\nCtrl+PageDown / Ctrl+PageUp: the next / previous test of the folder");
}

QString SetupBoxHelp(int box, bool innerOuter) {
  switch (box) {
    case kZoneCountBox:
      return QStringLiteral(
          "Enter the number of zones in your mask.  Min = 3, Max = 15\nI'm working on this one Mr. Quorran :)");
    case kEntryMethodBox:
      return QStringLiteral("Select zone radius entry method (Inner/Outer or Effective Radius)\nToggle with Space Bar");
    case kUnitsBox:
      return kUnitsHelp;
    case kSourceBox:
      return kSourceHelp;
    case kRocBox:
      return kRocHelp;
    case kDiameterBox:
      return kDiameterHelp;
    case kConicBox:
      return kConicHelp;
    default:
      break;
  }
  const QString zone = QString::number(ZoneOfBox(box));
  if (!innerOuter) return QStringLiteral("Enter effective radius for zone ") + zone;
  const QString side = ColumnOfBox(box) == 0 ? QStringLiteral("Inner") : QStringLiteral("Outer");
  return QStringLiteral("Enter ") + side + QStringLiteral(" radius for zone ") + zone + QStringLiteral(" mask opening");
}

QString ReadingsCellHelp(int cell) {
  switch (cell) {
    case kUnitsCell:
      return kUnitsHelp;
    case kSourceCell:
      return kSourceHelp;
    case kRocCell:
      return kRocHelp;
    case kDiameterCell:
      return kDiameterHelp;
    case kConicCell:
      return kConicHelp;
    case kSetsCell:
      return QStringLiteral("Enter the number of knife edge readings for each zone (min = 1, Max = 4)");
    default:
      break;
  }
  return QStringLiteral("Enter the knife edge reading for zone %1, reading %2\n(Hint, Positive away from mirror!)")
      .arg(ZoneOfCell(cell))
      .arg(SetOfCell(cell));
}

}  // namespace

QString SetupHelp(int box, bool innerOuter) { return WithSteppingKeys(SetupBoxHelp(box, innerOuter)); }

QString ReadingsHelp(int cell) { return WithSteppingKeys(ReadingsCellHelp(cell)); }

QString UnreadableFolderHelp(const QString& folder) {
  return QStringLiteral("The folder ") + folder + QStringLiteral(" cannot be read; choose another one");
}

}  // namespace zonalyst::entry
