#include "ValidationFocus.h"

#include "EntryIndex.h"

namespace zonalyst::entry {

int RefusalFocus(const SetupFinding& finding, SetupScope scope) {
  using Check = SetupFinding::Check;
  if (scope == SetupScope::ReadingsPanel) return kDiameterCell;
  switch (finding.check) {
    case Check::ZeroRoc:
    case Check::FocalRatioBelowOne: return kRocBox;
    case Check::ZeroDiameter: return kDiameterBox;
    default: return ZoneBox(finding.zone, 0);
  }
}

}  // namespace zonalyst::entry
