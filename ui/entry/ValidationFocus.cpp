#include "ValidationFocus.h"

#include "EntryIndex.h"

namespace zonalyst::entry {
namespace {

int SetupFocus(const SetupFinding& finding) {
  using Check = SetupFinding::Check;
  switch (finding.check) {
    case Check::ZeroRoc:
    case Check::FocalRatioBelowOne: return kRocBox;
    case Check::ZeroDiameter: return kDiameterBox;
    default: return ZoneBox(finding.zone, 0);
  }
}

}  // namespace

std::optional<int> RefusedSetupFocus(const std::vector<SetupFinding>& findings, SetupScope scope,
                                     const FindingTeller& tell) {
  for (const SetupFinding& finding : findings) {
    const bool goOn = tell(finding);
    if (finding.question && goOn) continue;
    return scope == SetupScope::ReadingsPanel ? kDiameterCell : SetupFocus(finding);
  }
  return std::nullopt;
}

}  // namespace zonalyst::entry
