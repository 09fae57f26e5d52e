#include "ValidationFocus.h"

#include "ui/panel/rules/EntryIndex.h"

namespace zonalyst::entry {

// The boxes and cells of the setup and readings panels, numbered by the kit.
using namespace panel;

FixPlace RefusalPlace(const SetupFinding& finding, SetupScope scope) {
  using Check = SetupFinding::Check;
  if (scope == SetupScope::ReadingsPanel) return {true, kDiameterCell};
  switch (finding.check) {
    case Check::ZeroRoc:
    case Check::NegativeRoc:
    case Check::RocBelowMirrorRadius:
    case Check::FocalRatioBelowOne:
      return {false, kRocBox};
    case Check::ZeroDiameter:
    case Check::NegativeDiameter:
      return {false, kDiameterBox};
    default:
      return {false, ZoneBox(finding.zone, finding.column)};
  }
}

FixPlace RefusalPlace(const ReadingsRefusal& refusal) {
  using Check = ReadingsRefusal::Check;
  switch (refusal.check) {
    case Check::ReadingBeyondRoc:
      return {true, ReadingCell(refusal.zone, refusal.set)};
    case Check::BestFitFarOff:
      return {true, kRocCell};
    case Check::Irreducible:
      return {false, kRocBox};
    case Check::NoReadings:
      return {true, ReadingCell(1, 1)};
  }
  return {};
}

}  // namespace zonalyst::entry
