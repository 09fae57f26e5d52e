#include "SetupValidation.h"

#include <algorithm>

namespace zonalyst {
namespace {

constexpr const char* kHey = "HEY!";

}  // namespace

std::vector<SetupFinding> CheckSetup(const MirrorTest& test, SetupScope scope) {
  using Check = SetupFinding::Check;
  std::vector<SetupFinding> findings;
  if (test.Roc == 0.0) {
    findings.push_back({Check::ZeroRoc, "Excuse ME, You have entered 0 for your ROC, That can't be right :)", kHey});
    return findings;
  }
  if (test.Diameter == 0.0) {
    findings.push_back(
        {Check::ZeroDiameter, "Excuse ME, You have entered 0 for your Mirror Dimeter, That can't be right :)", kHey});
    return findings;
  }
  if ((test.Roc / 2.0) / test.Diameter < 1.0) {
    findings.push_back({Check::FocalRatioBelowOne,
                        "Hmmm, your F/Ratio is less than one, Are your SURE? (OK to continue, Cancel to fix)",
                        "Uhhhhhh", true});
  }
  if (scope == SetupScope::ReadingsPanel) return findings;

  const int n = std::clamp(test.ZoneCount, kMinZones, kMaxZones);
  for (int z = 1; z <= n; ++z) {
    if (test.effectiveRadius(z) == 0.0) {
      findings.push_back({Check::ZeroZoneRadius,
                          "Excuse ME, you have an effective radius for zone " + std::to_string(z) +
                              " set to zero, this can't be right!",
                          kHey, false, z});
      return findings;
    }
  }
  for (int z = 2; z <= n; ++z) {
    if (test.effectiveRadius(z) < test.effectiveRadius(z - 1)) {
      findings.push_back({Check::ZonesOutOfOrder,
                          "Excuse ME, the effective radius for zone " + std::to_string(z) + " is less than zone " +
                              std::to_string(z - 1) + "\r\nPlease arrange your zone from smallest radius to largest!",
                          kHey, false, z});
      return findings;
    }
  }
  if (test.Diameter / 2.0 < test.effectiveRadius(n)) {
    findings.push_back({Check::MaskTooBig,
                        "Excuse ME, Your Mask is bigger than your Mirror Radius!\r\nYou'll need to fix this!", kHey,
                        false, n});
  }
  return findings;
}

}  // namespace zonalyst
