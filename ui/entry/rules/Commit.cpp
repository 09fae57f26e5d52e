#include "Commit.h"

#include "EntryText.h"
#include "core/Constants.h"
#include "core/Rounding.h"
#include "ui/panel/rules/EntryIndex.h"

#include <algorithm>

namespace zonalyst::entry {

// The boxes and cells of the setup and readings panels, numbered by the kit.
using namespace panel;

namespace {

int ClampedWhole(double value, int low, int high) {
  return static_cast<int>(std::clamp(RoundHalfEven(value), static_cast<double>(low), static_cast<double>(high)));
}

int Flipped(int flag) { return flag == 0 ? 1 : 0; }

}  // namespace

CommitEffect CommitSetupBox(MirrorTest& test, int box, const QString& text, const QString& separator) {
  const std::optional<double> value = ParseScreenNumber(text, separator);
  if (!value) return CommitEffect::None;
  switch (box) {
    case kZoneCountBox:
      test.ZoneCount = ClampedWhole(*value, kMinZones, kMaxZones);
      return CommitEffect::Redraw;
    case kRocBox:
      test.Roc = *value;
      return CommitEffect::None;
    case kDiameterBox:
      test.Diameter = *value;
      return CommitEffect::None;
    case kConicBox:
      test.DesiredConic = *value;
      return CommitEffect::None;
    default:
      break;
  }
  if (!IsZoneBox(box)) return CommitEffect::None;
  test.ZoneRadius[ZoneOfBox(box)][ColumnOfBox(box)] = *value;
  return CommitEffect::Redraw;
}

CommitEffect CommitReadingsCell(MirrorTest& test, int cell, const QString& text, const QString& separator) {
  const std::optional<double> value = ParseScreenNumber(text, separator);
  CommitEffect effect = CommitEffect::None;
  if (value) {
    switch (cell) {
      case kUnitsCell:
      case kSourceCell:
        break;
      case kRocCell:
        if (*value != 0.0) test.Roc = *value;
        break;
      case kDiameterCell:
        test.Diameter = *value;
        break;
      case kConicCell:
        test.DesiredConic = *value;
        effect = CommitEffect::Redraw;
        break;
      case kSetsCell:
        test.ReadingSets = ClampedWhole(*value, 1, kMaxReadingSets);
        effect = CommitEffect::Redraw;
        break;
      default:
        test.KeReading[ZoneOfCell(cell)][SetOfCell(cell)] = *value;
        effect = CommitEffect::Redraw;
        break;
    }
  }
  AverageReadings(test);
  return effect;
}

void FlipSetupToggle(MirrorTest& test, int box) {
  if (box == kEntryMethodBox) test.InnerOuterEntry = Flipped(test.InnerOuterEntry);
  if (box == kUnitsBox) test.Units = Flipped(test.Units);
  if (box == kSourceBox) test.MovingSource = Flipped(test.MovingSource);
}

void FlipReadingsToggle(MirrorTest& test, int cell) {
  if (cell == kUnitsCell) test.Units = Flipped(test.Units);
  if (cell == kSourceCell) test.MovingSource = Flipped(test.MovingSource);
}

}  // namespace zonalyst::entry
