#include "SetupValidation.h"

#include <algorithm>
#include <optional>

namespace zonalyst {
namespace {

constexpr const char* kHey = "HEY!";

using Check = SetupFinding::Check;

SetupFinding Refusal(Check check, std::string message, int zone = 0, int column = 0) {
  return {check, std::move(message), kHey, false, zone, column};
}

// The first refusal of the radius of curvature and the diameter, if any.
std::optional<SetupFinding> RefuseRocAndDiameter(const MirrorTest& test) {
  if (test.Roc == 0.0) {
    return Refusal(Check::ZeroRoc, "Excuse ME, You have entered 0 for your ROC, That can't be right :)");
  }
  if (test.Roc < 0.0) {
    return Refusal(Check::NegativeRoc, "Excuse ME, You have entered a negative ROC, That can't be right :)");
  }
  if (test.Diameter == 0.0) {
    return Refusal(Check::ZeroDiameter,
                   "Excuse ME, You have entered 0 for your Mirror Dimeter, That can't be right :)");
  }
  if (test.Diameter < 0.0) {
    return Refusal(Check::NegativeDiameter,
                   "Excuse ME, You have entered a negative Mirror Diameter, That can't be right :)");
  }
  if (test.Roc < test.Diameter / 2.0) {
    return Refusal(Check::RocBelowMirrorRadius,
                   "Excuse ME, your ROC is smaller than your Mirror Radius, That can't be right :)");
  }
  return std::nullopt;
}

// The first refusal of a single zone's radii, if any.
std::optional<SetupFinding> RefuseZone(const MirrorTest& test, int z) {
  const std::string zone = std::to_string(z);
  const bool innerOuter = test.InnerOuterEntry == 1;
  const int columns = innerOuter ? 2 : 1;
  for (int column = 0; column < columns; ++column) {
    if (test.ZoneRadius[z][column] < 0.0) {
      return Refusal(Check::NegativeZoneRadius,
                     "Excuse ME, you have a negative radius for zone " + zone + ", this can't be right!", z, column);
    }
  }
  if (innerOuter && test.ZoneRadius[z][0] > test.ZoneRadius[z][1]) {
    return Refusal(Check::InnerBeyondOuter,
                   "Excuse ME, the inner radius for zone " + zone +
                       " is larger than its outer radius\r\nPlease enter the inner radius first, then the outer!",
                   z, 0);
  }
  return std::nullopt;
}

// The first refusal of zone z against zone z - 1, if any: each zone lies farther out than
// the one before, and in inner/outer entry begins no nearer the centre than where it ends.
std::optional<SetupFinding> RefuseZonePair(const MirrorTest& test, int z) {
  const std::string zone = std::to_string(z);
  const std::string before = std::to_string(z - 1);
  const double radius = test.effectiveRadius(z);
  const double radiusBefore = test.effectiveRadius(z - 1);
  if (radius < radiusBefore) {
    return Refusal(Check::ZonesOutOfOrder,
                   "Excuse ME, the effective radius for zone " + zone + " is less than zone " + before +
                       "\r\nPlease arrange your zone from smallest radius to largest!",
                   z);
  }
  if (radius == radiusBefore) {
    return Refusal(Check::ZonesCoincide,
                   "Zones " + before + " and " + zone + " coincide: they have the same effective radius." +
                       "\r\nPlease give each zone its own radius, from the smallest to the largest.",
                   z);
  }
  if (test.InnerOuterEntry == 1 && test.ZoneRadius[z][0] < test.ZoneRadius[z - 1][1]) {
    return Refusal(Check::ZonesOverlap,
                   "Zones " + before + " and " + zone + " overlap: zone " + zone + " begins inside zone " + before +
                       ".\r\nPlease let each zone begin where the one before it ends, or farther out.",
                   z);
  }
  return std::nullopt;
}

}  // namespace

std::vector<SetupFinding> CheckSetup(const MirrorTest& test, SetupScope scope) {
  std::vector<SetupFinding> findings;
  if (auto refusal = RefuseRocAndDiameter(test)) {
    findings.push_back(std::move(*refusal));
    return findings;
  }
  if ((test.Roc / 2.0) / test.Diameter < 1.0) {
    findings.push_back({Check::FocalRatioBelowOne,
                        "Hmmm, your F/Ratio is less than one, Are your SURE? (OK to continue, Cancel to fix)",
                        "Uhhhhhh", true});
  }
  if (scope == SetupScope::ReadingsPanel) return findings;

  const int n = test.zones();
  for (int z = 1; z <= n; ++z) {
    if (test.effectiveRadius(z) == 0.0) {
      findings.push_back(Refusal(Check::ZeroZoneRadius,
                                 "Excuse ME, you have an effective radius for zone " + std::to_string(z) +
                                     " set to zero, this can't be right!",
                                 z));
      return findings;
    }
  }
  for (int z = 1; z <= n; ++z) {
    if (auto refusal = RefuseZone(test, z)) {
      findings.push_back(std::move(*refusal));
      return findings;
    }
  }
  for (int z = 2; z <= n; ++z) {
    if (auto refusal = RefuseZonePair(test, z)) {
      findings.push_back(std::move(*refusal));
      return findings;
    }
  }
  if (test.Diameter / 2.0 < test.effectiveRadius(n)) {
    findings.push_back(Refusal(
        Check::MaskTooBig, "Excuse ME, Your Mask is bigger than your Mirror Radius!\r\nYou'll need to fix this!", n));
    return findings;
  }
  if (test.InnerOuterEntry == 1) {
    for (int z = 1; z <= n; ++z) {
      if (test.ZoneRadius[z][1] > test.Diameter / 2.0) {
        findings.push_back(Refusal(Check::OuterBeyondEdge,
                                   "Excuse ME, the outer radius for zone " + std::to_string(z) +
                                       " is beyond the edge of your Mirror!\r\nYou'll need to fix this!",
                                   z, 1));
        return findings;
      }
    }
  }
  return findings;
}

}  // namespace zonalyst
