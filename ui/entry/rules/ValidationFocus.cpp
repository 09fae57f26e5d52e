#include "ValidationFocus.h"

#include "EntryIndex.h"

namespace zonalyst::entry {

int RefusalFocus(const SetupFinding& finding, SetupScope scope) {
  using Check = SetupFinding::Check;
  if (scope == SetupScope::ReadingsPanel) return kDiameterCell;
  switch (finding.check) {
    case Check::ZeroRoc:
    case Check::NegativeRoc:
    case Check::RocBelowMirrorRadius:
    case Check::FocalRatioBelowOne: return kRocBox;
    case Check::ZeroDiameter:
    case Check::NegativeDiameter: return kDiameterBox;
    default: return ZoneBox(finding.zone, finding.column);
  }
}

}  // namespace zonalyst::entry
